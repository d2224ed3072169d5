#pragma once
// The "ui.txt" format: lines of number "=" text, numbers 1 to 149. Pure
// functions over a wide text that ends with NUL.

#include <array>
#include <cstddef>
#include <optional>
#include <string>

constexpr int kUiTextFirst = 1;
constexpr int kUiTextLast = 149;
constexpr int kUiTableSlots = 150;
// Longer lines keep their first this many characters.
constexpr size_t kUiLineChars = 2048;

// Slot n holds text n; an empty slot has no text, while "" is a text.
using UiTable = std::array<std::optional<std::wstring>, kUiTableSlots>;

// False at the terminating NUL. Otherwise copies the next line, without its
// line end, into line (lineChars including the terminator, so at most
// lineChars - 1 characters; the rest of a longer line is skipped) and moves
// the cursor past the line end: CR LF, CR, LF or LF LF.
bool NextTextLine(const wchar_t** cursor, wchar_t* line, size_t lineChars);

// Fills the table from every line that counts; a later line with the same
// number replaces the earlier text.
void ParseUiText(const wchar_t* text, UiTable& table);
