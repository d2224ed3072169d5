#pragma once
// The hue rule of LMBitmap::AdjustColors, on the 0-240 hues of
// ColorRGBToHLS: the shift is added and the sum wraps once, at 160 for a
// bitmap with alpha and at 256 for one without. Hues left above 240 go to
// ColorHLSToRGB as they are.

namespace cpl {

int ShiftedHue(int hue, int shift, bool hasAlpha);

}  // namespace cpl
