#pragma once
// Fills the one "%s" of an interface text. Language texts are never used as
// printf formats: a stray "%" in a translation must not read arguments that
// are not there.

#include <cstddef>

// Writes text into buffer with its first "%s" replaced by argument; "%%"
// becomes "%" and any other "%" stays as it is. A null text takes fallback
// (the built-in English sentence). The output is cut to bufferChars - 1
// characters and always terminated; returns the characters written.
size_t FormatUiText(wchar_t* buffer, size_t bufferChars, const wchar_t* text,
                    const wchar_t* fallback, const wchar_t* argument);
