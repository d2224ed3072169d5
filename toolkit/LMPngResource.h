#pragma once
// PNG images among a module's resources (type "PNG"): the skins and images
// every program carries.

#include <windows.h>

class LMBitmap;

// The image decoded into a 32-bit DIB section, or null when the module does
// not hold the id or its data is not a whole PNG.
HBITMAP LMDecodePngResource(HMODULE module, int id);

// The same as a new bitmap with per-pixel alpha and the shared DC (no
// reference taken yet), or null.
LMBitmap* LMLoadPngResource(HMODULE module, int id);
