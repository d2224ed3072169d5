#pragma once
// The eleven display values the page owns in its settings key, with the
// defaults read in their place.

#include <windows.h>

#include <cstdint>

namespace cpl {

struct OptionValues {
    int32_t ShadowX = 8;
    int32_t ShadowY = 8;
    int32_t ShadowDark = 192;
    int32_t ShadowSharpness = 8;
    int32_t Transparency = 255;
    int32_t HueShift = 0;
    int32_t ShadowDynamic = 0;
    int32_t LightX = -65;
    int32_t LightY = -700;
    int32_t LightHeight = 930;
    int32_t CursorHeight = 26;
};

struct OptionValueName {
    const wchar_t* Name;  // the registry value
    int32_t OptionValues::*Member;
};
constexpr int kOptionValueCount = 11;
extern const OptionValueName kOptionValueNames[kOptionValueCount];

// Each value as stored, or its default.
OptionValues LoadOptionValues(HKEY root, const wchar_t* key);
// Writes the values that differ from the stored ones; how many it wrote.
int SaveOptionValues(const OptionValues& values, HKEY root, const wchar_t* key);

}  // namespace cpl
