#include "PanelSettings.h"

#include "EngineWorld.h"
#include "PanelState.h"
#include "RegistrySettings.h"
#include "RegistryWrites.h"
#include "ShadowSettings.h"
#include "WorldHandles.h"

namespace {

constexpr wchar_t kShadowX[] = L"ShadowX";
constexpr wchar_t kShadowY[] = L"ShadowY";
constexpr wchar_t kShadowDark[] = L"ShadowDark";
constexpr wchar_t kShadowSharpness[] = L"ShadowSharpness";
constexpr wchar_t kDisableShadow[] = L"DisableShadow";

}  // namespace

int ReadSettingDword(int32_t* out, const wchar_t* name, int32_t fallback)
{
    return ReadRegistryDword(out, HKEY_CURRENT_USER, PanelSettingsKey.c_str(), name, fallback);
}

int WriteSettingDword(int32_t value, const wchar_t* name)
{
    int32_t stored = 0;
    if (ReadSettingDword(&stored, name, 0) && stored == value)
        return 0;
    HKEY opened = nullptr;
    if (World().RegOpenKeyExW(HKEY_CURRENT_USER, PanelSettingsKey.c_str(), 0, KEY_SET_VALUE,
                              &opened) != ERROR_SUCCESS)
        return 0;
    WorldRegKey key(opened);
    const DWORD data = static_cast<DWORD>(value);
    const LSTATUS status = World().RegSetValueExW(
        key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data));
    return status == ERROR_SUCCESS ? 1 : 0;
}

void ClearCurrentTrailSetting()
{
    WriteRegString(L"", HKEY_CURRENT_USER, PanelSettingsKey.c_str(), L"CurrentTrail");
}

void LoadShadowSettings()
{
    const PanelShadowValues defaults;
    ShadowSettings read;
    ReadSettingDword(&read.ShadowX, kShadowX, defaults.ShadowX);
    ReadSettingDword(&read.ShadowY, kShadowY, defaults.ShadowY);
    ReadSettingDword(&read.ShadowDark, kShadowDark, defaults.ShadowDark);
    ReadSettingDword(&read.ShadowSharpness, kShadowSharpness, defaults.ShadowSharpness);
    const ShadowSettings clamped = ClampShadowSettings(read);
    ShadowValues.ShadowX = clamped.ShadowX;
    ShadowValues.ShadowY = clamped.ShadowY;
    ShadowValues.ShadowDark = clamped.ShadowDark;
    ShadowValues.ShadowSharpness = clamped.ShadowSharpness;
    ReadSettingDword(&ShadowValues.DisableShadow, kDisableShadow, defaults.DisableShadow);
}

void SaveShadowSettings()
{
    WriteSettingDword(ShadowValues.ShadowX, kShadowX);
    WriteSettingDword(ShadowValues.ShadowY, kShadowY);
    WriteSettingDword(ShadowValues.ShadowDark, kShadowDark);
    WriteSettingDword(ShadowValues.ShadowSharpness, kShadowSharpness);
    WriteSettingDword(ShadowValues.DisableShadow, kDisableShadow);
}
