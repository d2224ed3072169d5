#pragma once
// The engine's DWORD settings under HKCU "SOFTWARE\Kelmora\Trivane". The
// engine reads them and never writes one.

#include <cstdint>

constexpr wchar_t kSettingsKey[] = L"SOFTWARE\\Kelmora\\Trivane";

// The shadow values with their defaults.
struct EngineShadowSettings {
    int32_t DisableShadow = 0;
    int32_t ShadowX = 8;
    int32_t ShadowY = 8;
    int32_t ShadowDark = 192;
    int32_t ShadowSharpness = 8;
};

// The value, or fallback when it is missing.
int32_t ReadEngineSetting(const wchar_t* name, int32_t fallback);

// DisableShadow and the four shadow values, each with its default, the four
// brought into the range the shadow drawing takes.
EngineShadowSettings ReadShadowSettings();
