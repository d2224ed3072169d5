#include "ShadowSettings.h"

#include "ShadowPasses.h"

#include <algorithm>

ShadowSettings ClampShadowSettings(const ShadowSettings& settings)
{
    ShadowSettings clamped;
    clamped.ShadowX = std::clamp(settings.ShadowX, -kShadowOffsetLimit, kShadowOffsetLimit);
    clamped.ShadowY = std::clamp(settings.ShadowY, -kShadowOffsetLimit, kShadowOffsetLimit);
    clamped.ShadowDark = std::clamp(settings.ShadowDark, 0, 255);
    clamped.ShadowSharpness = std::min(settings.ShadowSharpness, kShadowMaxSharpness);
    return clamped;
}
