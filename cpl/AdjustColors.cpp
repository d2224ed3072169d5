// Colour adjustment of toolkit bitmaps. The toolkit declares it; only the
// settings page builds it in.

#include "HueShift.h"
#include "LMBitmap.h"

#include <shlwapi.h>

namespace cpl {

int ShiftedHue(int hue, int shift, bool hasAlpha)
{
    // A stored shift outside the slider's 0-255 counts as the slider value
    // it stands for, so every sum stays within what ColorHLSToRGB takes.
    constexpr int kShiftRange = 256;
    const int wrap = hasAlpha ? 160 : 256;
    int shifted = hue + (shift % kShiftRange + kShiftRange) % kShiftRange;
    return shifted >= wrap ? shifted - wrap : shifted;
}

}  // namespace cpl

namespace {

constexpr uint32_t kColorBits = 0x00FFFFFF;

// Grey and white (saturation 0) and the colour key keep their bytes.
uint32_t ShiftPixel(uint32_t pixel, int shift, bool hasAlpha)
{
    if (!hasAlpha && (pixel & kColorBits) == kLMColorKey)
        return pixel;
    BYTE blue = pixel & 0xFF, green = (pixel >> 8) & 0xFF, red = (pixel >> 16) & 0xFF;
    WORD hue = 0, luminance = 0, saturation = 0;
    ColorRGBToHLS(RGB(red, green, blue), &hue, &luminance, &saturation);
    if (saturation == 0 || luminance == 255)
        return pixel;
    WORD shifted = static_cast<WORD>(cpl::ShiftedHue(hue, shift, hasAlpha));
    COLORREF color = ColorHLSToRGB(shifted, luminance, saturation);
    return (pixel & ~kColorBits) | (static_cast<uint32_t>(GetRValue(color)) << 16) |
           (static_cast<uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
}

}  // namespace

int LMBitmap::AdjustColors(int hueShift, int, int)
{
    if (!HasPixels())
        return 0;
    for (int y = Height - 1; y >= 0; --y) {
        uint32_t* row = Row(y);
        for (int x = 0; x < Width; ++x)
            row[x] = ShiftPixel(row[x], hueShift, HasAlpha != 0);
    }
    return 1;
}
