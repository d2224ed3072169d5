// Turning a lower-half alpha mask into per-pixel alpha.

#include "LMAlphaMask.h"

#include "LMBitmap.h"

namespace {

// A 32-bit bottom-up DIB section whose pixels we can address.
bool DescribeDib32(HBITMAP bitmap, BITMAP* description)
{
    DIBSECTION section{};
    if (!bitmap || GetObjectW(bitmap, sizeof(section), &section) != sizeof(section) ||
        !section.dsBm.bmBits || section.dsBm.bmBitsPixel != 32 || section.dsBmih.biHeight <= 0)
        return false;
    *description = section.dsBm;
    return true;
}

// Image row y (0 = top) of a bottom-up DIB.
uint32_t* DibRow(const BITMAP& dib, int y)
{
    auto* bits = static_cast<uint8_t*>(dib.bmBits);
    return reinterpret_cast<uint32_t*>(
        bits + static_cast<size_t>(dib.bmHeight - 1 - y) * dib.bmWidthBytes);
}

uint32_t MaskedPixel(uint32_t color, uint32_t mask, bool premultiply)
{
    if ((color & 0x00FFFFFF) == kLMColorKey)
        return 0;
    uint32_t alpha = mask & 0xFF;  // the mask's blue
    if (!premultiply)
        return (color & 0x00FFFFFF) | (alpha << 24);
    uint32_t b = (color & 0xFF) * alpha / 255;
    uint32_t g = ((color >> 8) & 0xFF) * alpha / 255;
    uint32_t r = ((color >> 16) & 0xFF) * alpha / 255;
    return b | (g << 8) | (r << 16) | (alpha << 24);
}

}  // namespace

HBITMAP CombineAlphaMask(HBITMAP* bitmap, int premultiply)
{
    if (!bitmap || !*bitmap)
        return nullptr;
    LMBitmap::ConvertTo32Bpp(bitmap);
    BITMAP source{};
    if (!DescribeDib32(*bitmap, &source) || source.bmHeight < 2)
        return nullptr;
    // With an odd height the middle row belongs to neither half.
    int half = source.bmHeight / 2;
    int maskTop = source.bmHeight - half;
    ScopedBitmap combined(LMBitmap::CreateDib32(source.bmWidth, half));
    BITMAP target{};
    if (!DescribeDib32(combined.Get(), &target))
        return nullptr;
    GdiFlush();
    for (int y = 0; y < half; ++y) {
        const uint32_t* color = DibRow(source, y);
        const uint32_t* mask = DibRow(source, maskTop + y);
        uint32_t* out = DibRow(target, y);
        for (int x = 0; x < source.bmWidth; ++x)
            out[x] = MaskedPixel(color[x], mask[x], premultiply != 0);
    }
    DeleteObject(*bitmap);
    *bitmap = combined.Release();
    return *bitmap;
}

int LMBitmap::ApplyAlphaMask()
{
    if (!Handle || Height < 2)
        return 0;
    // A bitmap selected into a DC cannot be read by GDI elsewhere nor deleted.
    if (SharedDC)
        ReleaseSharedDC();
    else if (OwnDC && PrevBitmap)
        SelectObject(OwnDC.Get(), PrevBitmap);
    PrevBitmap = nullptr;
    HBITMAP handle = Handle.Release();
    HBITMAP combined = CombineAlphaMask(&handle, !Premultiplied);
    Handle.Reset(handle);  // the combined bitmap, or the image as it was
    if (!SharedDC && OwnDC && Handle)
        PrevBitmap = SelectObject(OwnDC.Get(), Handle.Get());
    RefreshDescription();
    if (!combined)
        return 0;
    Premultiplied = 1;
    HasAlpha = 1;
    return 1;
}
