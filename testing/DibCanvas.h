#pragma once
// A small 32-bit bottom-up DIB section in its own memory DC, for pixel checks:
// draw into Dc() and read the bytes back by image coordinates.

#include "ScopedWin.h"

#include <cstdint>

class DibCanvas {
public:
    DibCanvas(int width, int height);
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC Dc() const { return dc_.Get(); }
    HBITMAP Bitmap() const { return bitmap_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t value);
    void Fill(uint32_t value);

private:
    uint32_t* At(int x, int y) const;

    int width_;
    int height_;
    void* bits_ = nullptr;
    ScopedBitmap bitmap_;
    ScopedMemoryDC dc_;
    HGDIOBJ previous_ = nullptr;
};
