#pragma once
// A 24-bit BMP file made in memory, for the image loaders' tests and for the
// theme tests that put images into archives.

#include <cstdint>
#include <vector>

using Bytes = std::vector<uint8_t>;

void PutU16LE(Bytes& out, uint32_t value);
void PutU32LE(Bytes& out, uint32_t value);

// A 24-bit bottom-up BMP file; pixels are 0x00RRGGBB, rows from the top.
Bytes MakeBmp24(int width, int height, const std::vector<uint32_t>& topDownPixels);
