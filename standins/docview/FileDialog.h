#pragma once
// Open and save dialogs go through one replaceable function, so tests can
// answer them instead of blocking, as they do with message boxes.

#include <windows.h>

#include <commdlg.h>

#include <functional>
#include <string>
#include <vector>

class CMultiDocTemplate;

enum class FileDialogKind { Open, Save };

// Shows the dialog; TRUE when the user chose a file (its path is in lpstrFile).
using DocFileDialogHandler = std::function<BOOL(OPENFILENAMEW& dialog, FileDialogKind kind)>;

BOOL DocFileDialog(OPENFILENAMEW& dialog, FileDialogKind kind);
// Returns the previous handler; an empty handler restores the system dialogs.
DocFileDialogHandler DocSetFileDialogHandler(DocFileDialogHandler handler);

// The non-empty parts of an extensions field, ".a;.b" -> ".a", ".b".
std::vector<std::wstring> SplitExtensions(const std::wstring& extensions);

// The filter of a template's files, "name\0*.a;*.b\0", followed by "All Files
// (*.*)\0*.*\0" and the closing NUL. Extensions are separated by ';'.
std::wstring BuildFileFilter(const std::wstring& filterName, const std::wstring& extensions);

// A chosen name whose extension is the first of the template's in another
// letter case gets it as the template spells it (a dialog may append it in
// its own case); any other name stays as it is.
std::wstring SpelledSaveExtension(const std::wstring& name, const std::wstring& extensions);

// The name a save dialog offers: the document's path, with the first of
// the extensions when it has another of them (a file opened in a format
// that is only read is offered in the saved one); without one and with
// replace, the title cut before its first
// ':', '/' or '\' plus the first of the extensions; otherwise nothing.
std::wstring OfferedSaveName(const std::wstring& path, const std::wstring& title, bool replace,
                             const std::wstring& extensions);

// The open or save dialog for a template's files in a 260-character buffer,
// starting in startFolder when given. name holds the offered name and
// receives the chosen path; false when cancelled.
bool PromptFileName(HWND owner, FileDialogKind kind, const CMultiDocTemplate* docTemplate,
                    const wchar_t* startFolder, std::wstring* name);
