#pragma once
// The four shadow values as the engine, the control panel and the settings
// page read them from the registry. They are user-editable, so every reader
// passes them through one clamp before they reach the shadow drawing.

#include <cstdint>

constexpr int32_t kShadowOffsetLimit = 512;

struct ShadowSettings {
    int32_t ShadowX = 0;
    int32_t ShadowY = 0;
    int32_t ShadowDark = 0;
    int32_t ShadowSharpness = 0;
};

// Offsets to -512..512, darkness to 0..255, sharpness to at most 100; a
// negative sharpness stays negative and still means "no shadow".
ShadowSettings ClampShadowSettings(const ShadowSettings& settings);
