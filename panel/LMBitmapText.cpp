// The panel's text bitmaps: a text drawn once, larger when supersampled and
// box-filtered down, into a bitmap whose alpha is the glyph coverage.

#include "BitmapView.h"
#include "LMBitmap.h"
#include "LMToolkit.h"
#include "TextCanvas.h"
#include "TextLayout.h"
#include "TextPixels.h"

namespace {

// Text drawn in pure blue on black leaves its coverage in the blue bytes.
constexpr COLORREF kCoverageInk = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
// A text in this colour is hollow: only its outline remains.
constexpr COLORREF kHollowTextColor = RGB(255, 0, 255);

void TakeTextFlags(LMBitmap& bitmap)
{
    bitmap.HasAlpha = 1;
    bitmap.Premultiplied = 0;
    bitmap.ColorKeyed = 0;
}

// What a text becomes when GDI fails it: one clear pixel.
void BecomeClearPixel(LMBitmap& bitmap)
{
    bitmap.ReplaceDib(LMBitmap::CreateDib32(1, 1));
    if (bitmap.HasPixels())
        *bitmap.PixelAt(0, 0) = 0;
    TakeTextFlags(bitmap);
}

struct OutlinedText {
    const wchar_t* Text;
    HFONT Font;
    COLORREF Color;
    COLORREF OutlineColor;
    int Alignment;
    int Width;
    int Height;
    int Supersample;
};

// The coverage the outline is spread from: at scale 1 the drawing's own,
// else the shrunk picture's (its alpha).
bool ShrinkWithCoverage(LMBitmap& bitmap, const OutlinedText& request, bool hollow,
                        PixelCopy* coverage, int* coverageShift)
{
    const bool shrunk = hollow ? bitmap.Downsample(request.OutlineColor) : bitmap.Downsample();
    if (!shrunk)
        return false;
    *coverage = CopyPixels(PixelsOf(bitmap));
    *coverageShift = kCoverageInAlpha;
    return true;
}

// The box gets a margin of one final pixel all round for the outline.
bool DrawOutlinedText(LMBitmap& bitmap, const OutlinedText& request)
{
    const int scale = TextScale(request.Supersample, LMSupersampleFactor);
    TextCanvas canvas(request.Text, request.Font, request.Alignment,
                      ScaleBoxArgument(request.Width, scale),
                      ScaleBoxArgument(request.Height, scale), scale, scale);
    if (!canvas.Draw(kCoverageInk, kBlack))
        return false;
    PixelCopy coverage = CopyPixels(canvas.Pixels());
    const bool hollow = request.Color == kHollowTextColor;
    if (!hollow) {
        FillColor(canvas.Pixels(), request.OutlineColor);
        if (!canvas.Draw(request.Color, request.OutlineColor))
            return false;
    }
    bitmap.ReplaceDib(canvas.Release());
    TakeTextFlags(bitmap);
    int coverageShift = kCoverageInBlue;
    if (scale == 1 && hollow) {
        ColorFromCoverage(PixelsOf(bitmap), request.OutlineColor);
    } else {
        AlphaFromCoverage(PixelsOf(bitmap), coverage.View, kCoverageInBlue);
        if (scale > 1 && !ShrinkWithCoverage(bitmap, request, hollow, &coverage, &coverageShift))
            return false;
    }
    ApplyOutlineAlpha(PixelsOf(bitmap), coverage.View, coverageShift, hollow);
    return true;
}

}  // namespace

LMBitmap::LMBitmap(const wchar_t* text, HFONT font, COLORREF color, int alignment, int width,
                   int height, int supersample, int caretIndex)
{
    TakeFlags(LMBitmapHasAlpha | LMBitmapSharedDC);
    RenderText(text, font, color, alignment, width, height, supersample, caretIndex);
}

LMBitmap::LMBitmap(LMOutlinedTextTag, const wchar_t* text, HFONT font, COLORREF color,
                   COLORREF outlineColor, int alignment, int width, int height, int supersample)
{
    TakeFlags(LMBitmapHasAlpha | LMBitmapSharedDC);
    const OutlinedText request{text,      font,  color,  outlineColor,
                               alignment, width, height, supersample};
    if (!DrawOutlinedText(*this, request))
        BecomeClearPixel(*this);
}

// No caret is drawn: the panel's texts are never edited.
int LMBitmap::RenderText(const wchar_t* text, HFONT font, COLORREF color, int alignment, int width,
                         int height, int supersample, int)
{
    const int scale = TextScale(supersample, LMSupersampleFactor);
    TextCanvas canvas(text, font, alignment, ScaleBoxArgument(width, scale),
                      ScaleBoxArgument(height, scale), 1, 0);
    if (!canvas.Draw(kCoverageInk, kBlack)) {
        BecomeClearPixel(*this);
        return 0;
    }
    ReplaceDib(canvas.Release());
    TakeTextFlags(*this);
    // A box smaller than the factor stays at its drawn size.
    if (scale > 1 && Downsample(color))
        return 1;
    ColorFromCoverage(PixelsOf(*this), color);
    return 1;
}
