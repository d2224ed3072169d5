#include "LMTextState.h"

#include "LMBitmap.h"
#include "LMFontCache.h"
#include "ScopedWin.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace
{

constexpr size_t kTextRoom = 256;

int32_t ToAlignmentFormat(int alignment)
{
    switch (alignment) {
    case 2:
        return DT_CENTER;
    case 4:
        return DT_RIGHT;
    default:
        return DT_LEFT;
    }
}

// The measured size of the text; with a width it wraps at that width.
SIZE MeasureText(HDC dc, const std::wstring& text, int32_t format, int width)
{
    RECT rect { 0, 0, width, 0 };
    UINT flags = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | static_cast<UINT>(format);
    if (width)
        flags |= DT_WORDBREAK;
    int height = DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
    return SIZE { rect.right, height };
}

// How far the last character reaches past its advance (italics), or 0.
int TrailingOverhang(HDC dc, wchar_t last)
{
    ABC abc {};
    if (!GetCharABCWidthsW(dc, last, last, &abc) || abc.abcC >= 0)
        return 0;
    return -abc.abcC;
}

// GDI text leaves alpha 0 in a layered drawing buffer; the text's area of a
// 32-bit DIB becomes opaque. The area is clipped to the DIB and goes through a
// scratch bitmap of our own, so GDI keeps the DIB's row order and nothing
// outside it is touched.
void MakeOpaque(HDC hdc, const RECT& area)
{
    DIBSECTION section {};
    HGDIOBJ bitmap = GetCurrentObject(hdc, OBJ_BITMAP);
    if (!bitmap || GetObjectW(bitmap, sizeof(section), &section) != sizeof(section)
        || !section.dsBm.bmBits || section.dsBm.bmBitsPixel != 32)
        return;
    POINT corners[2] = { { area.left, area.top }, { area.right, area.bottom } };
    LPtoDP(hdc, corners, 2);
    RECT device { std::min(corners[0].x, corners[1].x), std::min(corners[0].y, corners[1].y),
        std::max(corners[0].x, corners[1].x), std::max(corners[0].y, corners[1].y) };
    RECT dib { 0, 0, section.dsBm.bmWidth, std::abs(section.dsBm.bmHeight) };
    if (!IntersectRect(&device, &device, &dib))
        return;
    const int width = device.right - device.left;
    const int height = device.bottom - device.top;
    POINT origin { device.left, device.top };
    DPtoLP(hdc, &origin, 1);
    LMBitmap scratch(width, height, LMBitmapHasAlpha);
    if (!scratch.HasPixels()
        || !BitBlt(scratch.GetDC(), 0, 0, width, height, hdc, origin.x, origin.y, SRCCOPY))
        return;
    GdiFlush();
    for (int y = 0; y < height; ++y) {
        uint32_t* row = scratch.Row(y);
        for (int x = 0; x < width; ++x)
            row[x] |= 0xFF000000u;
    }
    BitBlt(hdc, origin.x, origin.y, width, height, scratch.GetDC(), 0, 0, SRCCOPY);
}

} // namespace

LMTextState::LMTextState(const wchar_t* name, const wchar_t* text, const wchar_t* face, int size,
    int bold, int italic, int underline, int charset, COLORREF color, int alignment, int width,
    int height)
    : LMVisualState(name)
    , TextColor(color)
{
    Kind = LMStateKindText;
    // Quality 0 keeps one cache entry per description, whatever the
    // system's smoothing settings are.
    Font = LMFontCache::Instance().GetFont(face, size, bold, italic, underline, charset, 0);
    Text = (text && *text) ? text : L" ";
    Text.reserve(Text.size() + kTextRoom);
    AlignmentFormat = ToAlignmentFormat(alignment);

    ScopedMemoryDC dc(CreateCompatibleDC(nullptr));
    ScopedSelectObject selectFont(dc.Get(), Font);
    SIZE measured { 0, 0 };
    if (height == 0)
        measured = MeasureText(dc.Get(), Text, AlignmentFormat, width);
    FrameWidth = width ? width : measured.cx;
    FrameHeight = height ? height : measured.cy;
    FrameWidth += TrailingOverhang(dc.Get(), Text.back());
    FrameCount = 1;
    FrameFlags = 0;
}

int LMTextState::HitTest(int, int)
{
    return HitMode == LMHitNever ? 0 : 1;
}

int LMTextState::Draw(HDC hdc, int dstX, int dstY, int srcX, int srcY, int width, int height)
{
    RECT frame { dstX - srcX, dstY - srcY, dstX - srcX + FrameWidth, dstY - srcY + FrameHeight };
    RECT part { dstX, dstY, dstX + width, dstY + height };
    bool wholeFrame = srcX == 0 && srcY == 0 && width == FrameWidth && height == FrameHeight;
    SetTextColor(hdc, TextColor);
    SetBkMode(hdc, TRANSPARENT);
    int saved = SaveDC(hdc);
    if (Font)
        SelectObject(hdc, Font);
    if (!wholeFrame)
        IntersectClipRect(hdc, part.left, part.top, part.right, part.bottom);
    DrawTextW(hdc, Text.c_str(), static_cast<int>(Text.size()), &frame,
        static_cast<UINT>(AlignmentFormat) | DT_NOPREFIX | DT_WORD_ELLIPSIS);
    if (saved)
        RestoreDC(hdc, saved);
    RECT covered {};
    if (IntersectRect(&covered, &frame, &part))
        MakeOpaque(hdc, covered);
    return 1;
}
