#pragma once
// Extracting a ".PvltTheme" archive with unzip32.dll, which lies beside the
// module that holds this code (the program, or the settings page's library
// inside the shell).

#include <string>

// Extracts every entry of the archive under folder. 1 when the library was
// called; 0 when it is missing (after a warning box, once in the program's
// run), lacks its entry, or a path cannot be given to it in ANSI.
int UnzipAll(const wchar_t* archive, const wchar_t* folder);

// The ANSI text of wide with its NUL, measured first; false when a character
// has no ANSI form.
bool WideToAnsi(std::string* ansi, const wchar_t* wide);

// A warning box with the older product's caption, without owner.
void WarnBox(const wchar_t* text);

// Where the library is looked for; an empty folder restores the folder of
// this module. For tests.
void SetUnzipLibraryFolder(const std::wstring& folder);
