#include "PngResource.h"

#include "LMBitmap.h"
#include "LMPngLoader.h"

namespace {

HBITMAP DecodeFrom(HMODULE module, UINT id)
{
    HRSRC found = module ? FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG") : nullptr;
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    return bytes ? LoadPngFromMemory(bytes, SizeofResource(module, found)) : nullptr;
}

}  // namespace

HBITMAP LoadPngResource(UINT id)
{
    // The settings page carries PNGs of the same ids; when the editor runs
    // inside its process those are the ones meant.
    if (HBITMAP bitmap = DecodeFrom(GetModuleHandleW(L"TrivaneCpl.dll"), id))
        return bitmap;
    return DecodeFrom(GetModuleHandleW(nullptr), id);
}

LMBitmap* LoadPngResourceBitmap(UINT id)
{
    HBITMAP image = LoadPngResource(id);
    return image ? new LMBitmap(image, LMBitmapHasAlpha | LMBitmapSharedDC) : nullptr;
}
