#pragma once
// PNG images, decoded from memory by libpng into 32-bit bottom-up DIB sections
// (B G R A, not premultiplied). The same decoder serves files and resources.

#include <windows.h>

#include <cstddef>
#include <cstdint>

// The file's decode failures show "Error reading '<path>' (12)"; a file that
// cannot be opened gives null without a message.
HBITMAP LoadPng(const wchar_t* path, int* hasAlpha);

// Null when the data is not a whole, decodable PNG of an allowed size.
HBITMAP LoadPngFromMemory(const void* data, size_t size, int* hasAlpha = nullptr);

// The read cursor libpng pulls from.
struct PngMemorySource {
    const uint8_t* Data;
    size_t Size;
    size_t Offset;
};

// libpng's read function over a PngMemorySource; running out is a decode error.
struct png_struct_def;
void __cdecl ReadPngFromMemory(png_struct_def* png, unsigned char* out, size_t count);
