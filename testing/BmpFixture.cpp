#include "BmpFixture.h"

void PutU16LE(Bytes& out, uint32_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32LE(Bytes& out, uint32_t value)
{
    PutU16LE(out, value & 0xFFFF);
    PutU16LE(out, value >> 16);
}

Bytes MakeBmp24(int width, int height, const std::vector<uint32_t>& topDownPixels)
{
    uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    uint32_t imageBytes = rowBytes * height;
    Bytes out = {'B', 'M'};
    PutU32LE(out, 14 + 40 + imageBytes);
    PutU32LE(out, 0);
    PutU32LE(out, 14 + 40);
    PutU32LE(out, 40);
    PutU32LE(out, width);
    PutU32LE(out, height);  // positive: bottom-up
    PutU16LE(out, 1);
    PutU16LE(out, 24);
    for (uint32_t value : {0u, imageBytes, 2835u, 2835u, 0u, 0u})
        PutU32LE(out, value);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            uint32_t pixel = topDownPixels[static_cast<size_t>(y) * width + x];
            out.push_back(static_cast<uint8_t>(pixel));
            out.push_back(static_cast<uint8_t>(pixel >> 8));
            out.push_back(static_cast<uint8_t>(pixel >> 16));
        }
        out.resize(out.size() + (rowBytes - width * 3), 0);
    }
    return out;
}
