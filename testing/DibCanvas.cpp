#include "DibCanvas.h"

DibCanvas::DibCanvas(int width, int height) : width_(width), height_(height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    dc_.Reset(CreateCompatibleDC(nullptr));
    previous_ = SelectObject(dc_.Get(), bitmap_.Get());
}

DibCanvas::~DibCanvas()
{
    SelectObject(dc_.Get(), previous_);
}

uint32_t* DibCanvas::At(int x, int y) const
{
    GdiFlush();
    return static_cast<uint32_t*>(bits_) + static_cast<size_t>(height_ - 1 - y) * width_ + x;
}

uint32_t DibCanvas::Pixel(int x, int y) const
{
    return *At(x, y);
}

void DibCanvas::SetPixel(int x, int y, uint32_t value)
{
    *At(x, y) = value;
}

void DibCanvas::Fill(uint32_t value)
{
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x)
            *At(x, y) = value;
    }
}
