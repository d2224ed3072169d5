#pragma once
// The panel's DWORD settings under its settings key: read with a default,
// written only when they change, and the five shadow values that load and
// save with the panel's defaults. The key is created at start-up, never
// here.

#include <cstdint>

// 1 when the value was read into *out (whatever its type: four bytes are
// asked for); otherwise *out = fallback and 0.
int ReadSettingDword(int32_t* out, const wchar_t* name, int32_t fallback);

// 1 when written as REG_DWORD; 0 when the stored value already reads as
// `value`, or the key cannot be opened.
int WriteSettingDword(int32_t value, const wchar_t* name);

// "CurrentTrail" := "" (the none row).
void ClearCurrentTrailSetting();

// ShadowValues from the registry, panel defaults for what is missing, the
// four shadow values brought into the drawing's range.
void LoadShadowSettings();
// ShadowX, ShadowY, ShadowDark, ShadowSharpness, DisableShadow, in that
// order, each written only when it changed.
void SaveShadowSettings();
