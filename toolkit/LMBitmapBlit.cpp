// Drawing an LMBitmap: plain copies and alpha blends, through the platform's
// AlphaBlend or the table-driven software blend.

#include "LMBitmap.h"

#include "LMProcs.h"
#include "LMToolkit.h"

#include <algorithm>

namespace {

struct BlitRect {
    int x, y, width, height, srcX, srcY;
};

// Clips the source rectangle to the bitmap and moves the destination with it.
bool ClipToSource(BlitRect& r, int sourceWidth, int sourceHeight)
{
    int left = std::max(r.srcX, 0);
    int top = std::max(r.srcY, 0);
    int64_t right = std::min<int64_t>(static_cast<int64_t>(r.srcX) + r.width, sourceWidth);
    int64_t bottom = std::min<int64_t>(static_cast<int64_t>(r.srcY) + r.height, sourceHeight);
    if (right <= left || bottom <= top)
        return false;
    r.x += left - r.srcX;
    r.y += top - r.srcY;
    r.srcX = left;
    r.srcY = top;
    r.width = static_cast<int>(right - left);
    r.height = static_cast<int>(bottom - top);
    return true;
}

uint8_t BlendChannel(const uint8_t* table, uint8_t dest, uint8_t src, int keep, int alpha)
{
    int sourcePart = alpha == 255 ? src : table[alpha * 256 + src];
    return static_cast<uint8_t>(table[keep * 256 + dest] + sourcePart);
}

// The blend AlphaBlend performs with a constant alpha and per-pixel alpha;
// the destination alpha byte stays as it was.
void BlendRow(const uint8_t* table, uint8_t* dest, const uint8_t* src, int count, int alpha)
{
    for (int i = 0; i < count; ++i, dest += 4, src += 4) {
        int sourceAlpha = alpha == 255 ? src[3] : src[3] * alpha / 255;
        int keep = 255 - sourceAlpha;
        for (int c = 0; c < 3; ++c)
            dest[c] = BlendChannel(table, dest[c], src[c], keep, alpha);
    }
}

int SoftwareBlend(LMBitmap& bitmap, HDC hdc, BlitRect r, int alpha)
{
    if (!bitmap.HasPixels() || !ClipToSource(r, bitmap.Width, bitmap.Height))
        return 0;
    if (!LMAlphaTable)
        LMBuildAlphaTable();
    LMBitmap scratch(r.width, r.height, LMBitmapHasAlpha);
    if (!scratch.HasPixels())
        return 0;
    HDC scratchDC = scratch.GetDC();
    if (!BitBlt(scratchDC, 0, 0, r.width, r.height, hdc, r.x, r.y, SRCCOPY))
        return 0;
    GdiFlush();
    for (int y = 0; y < r.height; ++y) {
        auto* dest = reinterpret_cast<uint8_t*>(scratch.Row(y));
        auto* src = reinterpret_cast<const uint8_t*>(bitmap.Row(r.srcY + y) + r.srcX);
        BlendRow(LMAlphaTable.get(), dest, src, r.width, alpha);
    }
    return BitBlt(hdc, r.x, r.y, r.width, r.height, scratchDC, 0, 0, SRCCOPY) ? 1 : 0;
}

}  // namespace

int LMBitmap::AlphaBlit(HDC hdc, int x, int y, int width, int height, int srcX, int srcY,
                        int alpha)
{
    alpha = std::clamp(alpha, 0, 255);
    if (LMProcs::AlphaBlend) {
        BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), AC_SRC_ALPHA};
        return LMProcs::AlphaBlend(hdc, x, y, width, height, GetDC(), srcX, srcY, width, height,
                                   blend);
    }
    return SoftwareBlend(*this, hdc, BlitRect{x, y, width, height, srcX, srcY}, alpha);
}

int LMBitmap::Draw(HDC hdc, int x, int y, int width, int height, int srcX, int srcY, int alpha,
                   int flags)
{
    if (width == 0 || height == 0 || !Handle)
        return 0;
    if (alpha == -1)
        return BitBlt(hdc, x, y, width, height, GetDC(), srcX, srcY, SRCCOPY);
    if (!(flags & LMDrawPlainCopy))
        Premultiply();
    if ((flags & LMDrawPlainCopy) || NoBlend)
        return BitBlt(hdc, x, y, width, height, GetDC(), srcX, srcY, SRCCOPY);
    return AlphaBlit(hdc, x, y, width, height, srcX, srcY, alpha);
}
