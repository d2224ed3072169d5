#pragma once
// The panel's skin pictures: PNG resources of the panel's module (type
// "PNG"), each decoded into a bitmap of its own.

#include "LMBitmap.h"
#include "LMBitmapState.h"

#include <memory>

// A new bitmap (alpha, shared DC) of the PNG resource; null when the id is
// missing or its data is not a whole PNG.
LMBitmap* LoadSkinBitmap(int pngId);

// A bitmap state over a new bitmap of the PNG resource, or null.
std::unique_ptr<LMBitmapState> MakeSkinState(const wchar_t* name, int pngId);
