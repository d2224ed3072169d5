#include "PngResource.h"

#include "LMBitmap.h"
#include "LMPngResource.h"

HBITMAP LoadPngResource(UINT id)
{
    // The settings page carries PNGs of the same ids; when the editor runs
    // inside its process those are the ones meant.
    const int png = static_cast<int>(id);
    if (HBITMAP bitmap = LMDecodePngResource(GetModuleHandleW(L"TrivaneCpl.dll"), png))
        return bitmap;
    return LMDecodePngResource(GetModuleHandleW(nullptr), png);
}

LMBitmap* LoadPngResourceBitmap(UINT id)
{
    HBITMAP image = LoadPngResource(id);
    return image ? new LMBitmap(image, LMBitmapHasAlpha | LMBitmapSharedDC) : nullptr;
}
