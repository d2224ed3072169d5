#include "TextCanvas.h"

#include "LMBitmap.h"
#include "TextLayout.h"

#include <cstring>

namespace {

// The measuring height of a two-line box; DT_CALCRECT sets the real one.
constexpr int kTwoLineMeasureHeight = 128;

int DrawTextIn(HDC dc, std::wstring& text, RECT* rect, UINT format)
{
    return DrawTextW(dc, text.data(), static_cast<int>(text.size()), rect, format);
}

// How far the last character reaches past its advance (italics), or 0.
int TrailingOverhang(HDC dc, wchar_t last)
{
    ABC abc{};
    if (!GetCharABCWidthsW(dc, last, last, &abc) || abc.abcC >= 0)
        return 0;
    return -abc.abcC;
}

bool IsSelected(HGDIOBJ previous)
{
    return previous && previous != HGDI_ERROR;
}

}  // namespace

TextCanvas::TextCanvas(const wchar_t* text, HFONT font, int alignment, int width, int height,
                       int step, int margin)
    : text_((text && *text) ? text : L" "), dc_(CreateCompatibleDC(nullptr))
{
    text_.reserve(text_.size() + kTextSpareRoom);
    format_ = TextDrawFlags(alignment, width);
    if (!font || !dc_)
        return;
    previousFont_ = SelectObject(dc_.Get(), font);
    if (!IsSelected(previousFont_))
        return;
    SIZE box =
        width < 0 ? LayOutTwoLines(alignment, -width, height) : LayOut(alignment, width, height);
    box.cx += TrailingOverhang(dc_.Get(), text_.back());
    box.cx = TextBoxSide(box.cx, step);
    box.cy = TextBoxSide(box.cy, step);
    CreateDib(box, margin);
}

TextCanvas::~TextCanvas()
{
    if (IsSelected(previousBitmap_))
        SelectObject(dc_.Get(), previousBitmap_);
    if (IsSelected(previousFont_))
        SelectObject(dc_.Get(), previousFont_);
}

SIZE TextCanvas::LayOut(int alignment, int width, int height)
{
    RECT box{0, 0, width, height};
    if (height == 0) {
        UINT measure = DT_CALCRECT | DT_EXPANDTABS | TextAlignmentFormat(alignment);
        if (width > 0)
            measure |= DT_WORDBREAK;
        DrawTextIn(dc_.Get(), text_, &box, measure);
    }
    if (width > 0)
        box.right = width;
    if (height > 0)
        box.bottom = height;
    return {box.right, box.bottom};
}

// A text as wide as the box or wider breaks into two lines at its middle
// space and takes the box's width; one that fits stays one line.
SIZE TextCanvas::LayOutTwoLines(int alignment, int width, int height)
{
    const UINT align = TextAlignmentFormat(alignment);
    RECT box{0, 0, width, height};
    if (height == 0)
        DrawTextIn(dc_.Get(), text_, &box, DT_CALCRECT | align);
    if (box.right >= width) {
        const int at = FindTwoLineBreak(text_);
        if (at >= 0)
            text_[at] = L'\r';
        RECT lines{0, 0, width, kTwoLineMeasureHeight};
        DrawTextIn(dc_.Get(), text_, &lines, DT_CALCRECT | DT_WORD_ELLIPSIS | align);
        box = RECT{0, 0, width, lines.bottom};
    }
    return {box.right, box.bottom};
}

bool TextCanvas::CreateDib(SIZE box, int margin)
{
    dib_.Reset(LMBitmap::CreateDib32(box.cx + 2 * margin, box.cy + 2 * margin));
    DIBSECTION section{};
    if (!dib_ || GetObjectW(dib_.Get(), sizeof(section), &section) != sizeof(section) ||
        !section.dsBm.bmBits)
        return false;
    previousBitmap_ = SelectObject(dc_.Get(), dib_.Get());
    if (!IsSelected(previousBitmap_))
        return false;
    const BITMAP& dib = section.dsBm;
    std::memset(dib.bmBits, 0, static_cast<size_t>(dib.bmWidthBytes) * dib.bmHeight);
    pixels_ = BottomUpPixels(dib.bmBits, dib.bmWidth, dib.bmHeight, dib.bmWidthBytes);
    box_ = RECT{margin, margin, margin + box.cx, margin + box.cy};
    return true;
}

bool TextCanvas::Draw(COLORREF textColor, COLORREF background)
{
    if (!Ready())
        return false;
    SetTextColor(dc_.Get(), textColor);
    SetBkColor(dc_.Get(), background);
    SetBkMode(dc_.Get(), OPAQUE);
    RECT box = box_;
    const bool drawn = DrawTextIn(dc_.Get(), text_, &box, format_) != 0;
    GdiFlush();
    return drawn;
}

HBITMAP TextCanvas::Release()
{
    if (IsSelected(previousBitmap_))
        SelectObject(dc_.Get(), previousBitmap_);
    previousBitmap_ = nullptr;
    pixels_ = PixelView{};
    return dib_.Release();
}
