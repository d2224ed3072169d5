#pragma once
// PNG images among the program's resources (type "PNG").

#include <windows.h>

class LMBitmap;

// The image decoded into a 32-bit DIB section, taken from "TrivaneCpl.dll"
// when that module is loaded and holds the id, else from the program itself;
// null when neither holds a decodable image.
HBITMAP LoadPngResource(UINT id);

// The same as a new bitmap with per-pixel alpha and the shared DC (no
// reference taken yet), or null.
LMBitmap* LoadPngResourceBitmap(UINT id);
