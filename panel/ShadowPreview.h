#pragma once
// The settings page's shadow: the current theme's arrow drawn with the
// panel's shadow values, the sliders that change them, and the switch
// between the page's offset and light parts.

#include "LMBitmapState.h"

#include <memory>

// A deep copy of the picture under the name, drawn at its origin (offsets
// 0). The shadow draws into the copy's own pixels, so the source keeps its.
std::unique_ptr<LMBitmapState> CopyAtOrigin(const wchar_t* name, const LMBitmapState& source);

// The panel's shadow on the state, unless DisableShadow is 1.
void AddPanelShadow(LMBitmapState& state);

// "mod" := "ori" with the shadow, centred in the preview box; then the
// values are saved, with or without "ori".
void RenderShadowPreview();

// 0 shows the offset part (link 16 and UI text 20), 1 the light part
// (link 17 and UI text 21).
void SetShadowMode(int mode);
