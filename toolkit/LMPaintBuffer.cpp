#include "LMPaintBuffer.h"

#include "LMBitmap.h"

#include <cstdint>

LMPaintBufferData PaintBuffer;

namespace {

void ReleaseDib()
{
    if (PaintBuffer.Dc && PaintBuffer.DefaultBitmap)
        SelectObject(PaintBuffer.Dc.Get(), PaintBuffer.DefaultBitmap);
    PaintBuffer.DefaultBitmap = nullptr;
    PaintBuffer.Dib.Reset();
    PaintBuffer.Width = 0;
    PaintBuffer.Height = 0;
}

// 110 % of the request, kept inside int.
int WithHeadroom(int request)
{
    int64_t grown = static_cast<int64_t>(request) * 11 / 10;
    return grown > INT32_MAX ? request : static_cast<int>(grown);
}

}  // namespace

bool PaintBufferFits(int width, int height)
{
    return PaintBuffer.Dib && PaintBuffer.Width >= width && PaintBuffer.Height >= height;
}

int EnsurePaintBuffer(int width, int height)
{
    if (width <= 0 || height <= 0 || PaintBufferFits(width, height))
        return 0;
    int newWidth =
        PaintBuffer.Dib && PaintBuffer.Width >= width ? PaintBuffer.Width : WithHeadroom(width);
    int newHeight =
        PaintBuffer.Dib && PaintBuffer.Height >= height ? PaintBuffer.Height : WithHeadroom(height);
    ReleaseDib();
    if (!PaintBuffer.Dc)
        PaintBuffer.Dc.Reset(CreateCompatibleDC(nullptr));
    ScopedBitmap dib(LMBitmap::CreateDib32(newWidth, newHeight));
    if (!PaintBuffer.Dc || !dib)
        return 0;
    PaintBuffer.DefaultBitmap = SelectObject(PaintBuffer.Dc.Get(), dib.Get());
    PaintBuffer.Dib = std::move(dib);
    PaintBuffer.Width = newWidth;
    PaintBuffer.Height = newHeight;
    if (!PaintBuffer.TimerId)
        PaintBuffer.TimerId = SetTimer(nullptr, 0, kLMPaintBufferLifeMs, PaintBufferTimerProc);
    return 1;
}

int FreePaintBuffer()
{
    if (PaintBuffer.InUse != 0)
        return 0;
    ReleaseDib();
    PaintBuffer.Dc.Reset();
    if (PaintBuffer.TimerId)
        KillTimer(nullptr, PaintBuffer.TimerId);
    PaintBuffer.TimerId = 0;
    return 1;
}

void CALLBACK PaintBufferTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    FreePaintBuffer();
}
