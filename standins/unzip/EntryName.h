#pragma once
// Turning a stored entry name into a path under the extraction folder, or
// refusing it. Only plain relative names pass: no root, drive or share, no
// "." or ".." part, no ":" (streams), no control or reserved characters, no
// device names, and the full path must still lie under the folder.

#include <cstdint>
#include <string>

// UTF-8 with the name flag, else code page 437; "/" or "\" separators. False
// when the bytes do not decode.
bool DecodeEntryName(const uint8_t* bytes, size_t length, bool utf8, std::wstring* name);

// The name's parts joined with "\", without a folder's trailing separator;
// false when the name is not a plain relative path.
bool SafeRelativePath(const std::wstring& name, std::wstring* relative);

// The full path of relative under folder (itself a full path without a
// trailing separator); false when it does not lie under it or is too long.
bool PathUnderFolder(const std::wstring& folder, const std::wstring& relative, std::wstring* full);
