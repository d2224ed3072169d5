#pragma once
// Bitmaps that carry their alpha as a grey mask in their lower half.

#include <windows.h>

// A new 32-bit DIB of the upper half, with alpha from the mask's blue (the
// colour key becomes fully transparent), premultiplied on request. On success
// the source is deleted and *bitmap holds the result (also returned); on
// failure null, and *bitmap still holds the image (as a 32-bit DIB when it
// had to be converted).
HBITMAP CombineAlphaMask(HBITMAP* bitmap, int premultiply);
