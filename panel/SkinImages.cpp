#include "SkinImages.h"

#include "LMPngResource.h"
#include "PanelState.h"

LMBitmap* LoadSkinBitmap(int pngId)
{
    return LMLoadPngResource(PanelResourceModule(), pngId);
}

std::unique_ptr<LMBitmapState> MakeSkinState(const wchar_t* name, int pngId)
{
    LMBitmap* bitmap = LoadSkinBitmap(pngId);
    if (!bitmap)
        return nullptr;
    return std::make_unique<LMBitmapState>(name, bitmap);
}
