#pragma once
// Uncompressed 32-bit true-colour TGA files, read straight into a 32-bit DIB.

#include <windows.h>

#include <cstddef>
#include <cstdint>

constexpr size_t kTgaHeaderSize = 18;

// The fields of the 18-byte little-endian header that decide acceptance.
struct TgaHeader {
    uint8_t IdLength = 0;
    uint8_t ColorMapType = 0;
    uint8_t ImageType = 0;
    uint16_t Width = 0;
    uint16_t Height = 0;
    uint8_t PixelDepth = 0;
};

// False when fewer than 18 bytes are given.
bool ParseTgaHeader(const uint8_t* bytes, size_t size, TgaHeader* header);

// Only uncompressed true colour (type 2) at 32 bits, without an identification
// field or colour map, and of a size a bitmap may have.
bool IsSupportedTga(const TgaHeader& header);

// Null when the file cannot be opened or is not a supported TGA. The pixel rows
// are taken in stored order as bottom-up rows; a short file leaves the rest 0.
HBITMAP LoadTga(const wchar_t* path);
