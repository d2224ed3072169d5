#pragma once
// Reading a whole text file, UTF-16LE after an FF FE mark or ANSI, into a
// wide text that always ends with CR, LF and NUL, ready for line parsing.

#include "HeapText.h"

#include <windows.h>

#include <cstdint>
#include <string>

// Larger files are refused.
constexpr uint64_t kMaxTextFileBytes = 64u * 1024 * 1024;

// The byte count (after the mark for UTF-16, the file size for ANSI) with the
// new text in *out; 0 and null when the file is missing, unreadable, holds
// 2 bytes or less, or is too large.
DWORD ReadTextFile(const wchar_t* path, HeapText* out);

// The next line of *cursor into line, without its end (CR LF, CR or LF),
// which is consumed; false at the terminating NUL.
bool NextLine(const wchar_t** cursor, std::wstring* line);
