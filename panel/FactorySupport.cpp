#include "FactorySupport.h"

#include "SkinImages.h"

const wchar_t kPanelFace[] = L"Segoe UI";

void DeleteObjectTree(LMObj* object)
{
    if (!object)
        return;
    // Each child takes itself off the list as it goes.
    while (!object->Children.empty())
        DeleteObjectTree(object->Children.back());
    delete object;
}

std::unique_ptr<LMBitmapState> MakeFadeState(const wchar_t* name, int pngId, int fromAlpha,
                                             int toAlpha, int frames)
{
    auto state = MakeSkinState(name, pngId);
    if (!state)
        return nullptr;
    // Separate frames: every frame is the whole picture, only the ramp moves.
    state->SetFrames(frames, kFadeFrameMs, LMFrameSeparate);
    state->RampStart = fromAlpha;
    state->RampEnd = toAlpha;
    return state;
}

std::unique_ptr<LMBitmapState> MakeSkinStateAt(const wchar_t* name, int pngId, int alpha,
                                               int hitMode)
{
    auto state = MakeSkinState(name, pngId);
    if (!state)
        return nullptr;
    state->RampStart = alpha;
    state->SetHitMode(hitMode);
    return state;
}

std::unique_ptr<LMBitmapState> MakeTextState(const wchar_t* name, const wchar_t* text, int size,
                                             int bold, int underline, COLORREF color, int alignment,
                                             int width)
{
    return std::make_unique<LMBitmapState>(name, text, kPanelFace, size, bold, 0, underline, 0, 0,
                                           color, 0, 0, alignment, width, 0, LMTextSupersample);
}
