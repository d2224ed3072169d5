#include "LMPngResource.h"

#include "LMBitmap.h"
#include "LMPngLoader.h"

#include <memory>

HBITMAP LMDecodePngResource(HMODULE module, int id)
{
    HRSRC found = module ? FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG") : nullptr;
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = found ? SizeofResource(module, found) : 0;
    return bytes && size ? LoadPngFromMemory(bytes, size) : nullptr;
}

LMBitmap* LMLoadPngResource(HMODULE module, int id)
{
    HBITMAP decoded = LMDecodePngResource(module, id);
    if (!decoded)
        return nullptr;
    auto bitmap = std::make_unique<LMBitmap>(decoded, LMBitmapHasAlpha | LMBitmapSharedDC);
    return bitmap->HasPixels() ? bitmap.release() : nullptr;
}
