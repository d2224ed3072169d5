#pragma once
// "scheme.ini", the description of an extracted ".PvltTheme" archive: one
// section per cursor role and its "_Down" variant, read with the system's
// private-profile functions, and a free-text description at its end.

#include <cstdint>

constexpr const wchar_t* kSchemeIniName = L"scheme.ini";

// The leading decimal number of the key's text (at most 260 characters; the
// default text when the key is missing): blanks and a sign may lead, no
// number gives 0, and numbers beyond int32 saturate.
int32_t GetIniInt(
    const wchar_t* section, const wchar_t* key, const wchar_t* defaultText, const wchar_t* iniPath);

// The leading decimal number of text, as GetIniInt takes it.
int32_t LeadingNumber(const wchar_t* text);
