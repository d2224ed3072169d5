#pragma once
// Reading settings from the registry. Nothing here writes the registry.

#include <windows.h>

#include <cstdint>

// 1 when the value was read into *out; otherwise *out = defaultValue and 0.
int ReadRegistryDword(
    int32_t* out, HKEY root, const wchar_t* subkey, const wchar_t* name, int32_t defaultValue);

// 1 when the value, NUL-terminated, fits the buffer and was copied into it;
// otherwise 0 and the buffer is left exactly as it was.
int ReadRegistryString(
    wchar_t* buffer, DWORD bufferBytes, HKEY root, const wchar_t* subkey, const wchar_t* name);
