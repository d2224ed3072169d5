#pragma once
// Owned wide texts that may be absent (null), as the theme's texts and
// scripts are; an empty text is not an absent one.

#include <cstddef>
#include <memory>

using HeapText = std::unique_ptr<wchar_t[]>;

// A new copy of text, or null when text is null or memory runs out.
HeapText DuplicateText(const wchar_t* text);
// A new text of the first `characters` characters, NUL-terminated.
HeapText DuplicateText(const wchar_t* text, size_t characters);

// Frees the text in the slot, then stores a copy of source (null stays null).
void ReplaceStringDup(HeapText* slot, const wchar_t* source);

// Copies as much of text as fits into buffer, always NUL-terminated.
void CopyTextBounded(wchar_t* buffer, size_t bufferChars, const wchar_t* text);
