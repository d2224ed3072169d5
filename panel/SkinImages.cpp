#include "SkinImages.h"

#include "LMPngLoader.h"
#include "PanelState.h"

LMBitmap* LoadSkinBitmap(int pngId)
{
    HMODULE module = PanelResourceModule();
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(pngId), L"PNG");
    if (!resource)
        return nullptr;
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = SizeofResource(module, resource);
    if (!data || size == 0)
        return nullptr;
    HBITMAP decoded = LoadPngFromMemory(data, size);
    if (!decoded)
        return nullptr;
    auto bitmap = std::make_unique<LMBitmap>(decoded, LMBitmapHasAlpha | LMBitmapSharedDC);
    return bitmap->HasPixels() ? bitmap.release() : nullptr;
}

std::unique_ptr<LMBitmapState> MakeSkinState(const wchar_t* name, int pngId)
{
    LMBitmap* bitmap = LoadSkinBitmap(pngId);
    if (!bitmap)
        return nullptr;
    return std::make_unique<LMBitmapState>(name, bitmap);
}
