#pragma once
// The texts the document/view layer shows itself.

#include <windows.h>

#include <string>

constexpr const wchar_t* kTextReady = L"Ready";
constexpr const wchar_t* kTextOpenTitle = L"Open";
constexpr const wchar_t* kTextSaveAsTitle = L"Save As";
constexpr const wchar_t* kTextAllFilesName = L"All Files (*.*)";
constexpr const wchar_t* kTextAllFilesPattern = L"*.*";
constexpr const wchar_t* kTextRecentFilePlaceholder = L"Recent File";
constexpr const wchar_t* kTextUntitled = L"Untitled";

// Boxes; the path follows the text.
constexpr const wchar_t* kTextOpenFailed = L"This document could not be opened:\r\n";
constexpr const wchar_t* kTextSaveFailed =
    L"This document could not be saved: the file cannot be written.\r\n";
constexpr const wchar_t* kTextSaveQuestion = L"Save changes to ";

// The status bar's text for a menu command: the program's string of that id
// (up to its first line break), else the layer's own prompt, else empty.
std::wstring CommandPrompt(UINT id);

// "CAP", "NUM" and "SCRL" for the lock indicators; empty for other ids.
const wchar_t* IndicatorText(UINT id);

// A string resource of the program, up to its end; empty when it has none.
std::wstring LoadResourceString(UINT id);
