#include "EngineSettings.h"

#include "EngineWorld.h"
#include "ShadowSettings.h"

int32_t ReadEngineSetting(const wchar_t* name, int32_t fallback)
{
    int32_t value = fallback;
    World().ReadRegistryDword(&value, HKEY_CURRENT_USER, kSettingsKey, name, fallback);
    return value;
}

EngineShadowSettings ReadShadowSettings()
{
    const EngineShadowSettings defaults;
    struct ShadowSettings shadow;
    shadow.ShadowX = ReadEngineSetting(L"ShadowX", defaults.ShadowX);
    shadow.ShadowY = ReadEngineSetting(L"ShadowY", defaults.ShadowY);
    shadow.ShadowDark = ReadEngineSetting(L"ShadowDark", defaults.ShadowDark);
    shadow.ShadowSharpness = ReadEngineSetting(L"ShadowSharpness", defaults.ShadowSharpness);
    shadow = ClampShadowSettings(shadow);

    EngineShadowSettings read;
    read.DisableShadow = ReadEngineSetting(L"DisableShadow", defaults.DisableShadow);
    read.ShadowX = shadow.ShadowX;
    read.ShadowY = shadow.ShadowY;
    read.ShadowDark = shadow.ShadowDark;
    read.ShadowSharpness = shadow.ShadowSharpness;
    return read;
}
