#pragma once
// Entries of a theme: the common animation part and the cursor, effect and
// trail entries built on it. Plain classes: an entry is always deleted as its
// own type.

#include "HeapText.h"
#include "LMBitmapState.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class CTheme;

constexpr int32_t kDefaultEntryInterval = 200;
constexpr int32_t kDefaultTrailsPerSecond = 20;

class CThemeEntry
{
public:
    CThemeEntry() = default;
    ~CThemeEntry() { Release(); }
    CThemeEntry(const CThemeEntry&) = delete;
    CThemeEntry& operator=(const CThemeEntry&) = delete;

    // Frees Script and deletes Animation.
    void Release();
    // The animation fields, script, hot spot and a deep copy of the animation;
    // SectionName and the fields of the derived classes stay.
    void CopyFrom(const CThemeEntry& source);

    // The common last steps of every loader: the bitmap becomes Animation, a
    // state of the given name with this entry's frames, interval and script
    // (when parseScript), the hit mode, and minus the hot spot as offset.
    void SetUpAnimation(std::unique_ptr<LMBitmap> bitmap, const wchar_t* stateName, int frameFlags,
        bool parseScript, int hitMode = LMHitNever);

    int32_t Frames = 1;
    int32_t Interval = kDefaultEntryInterval;
    int32_t Alternate = 0;
    int32_t Reverse = 0;
    int32_t Loop = 0;
    HeapText Script;
    int32_t HotSpotX = 0;
    int32_t HotSpotY = 0;
    std::wstring SectionName;
    std::unique_ptr<LMBitmapState> Animation;
};

class CThemeCursor : public CThemeEntry
{
public:
    // The cursor of a "scheme.ini" section (Role, State and Group set by the
    // caller); 1 accepted, 0 rejected. bufferChars bounds its script section.
    int LoadFromIni(
        const wchar_t* section, const wchar_t* iniPath, size_t bufferChars, CTheme* theme);

    int32_t Role = 0;
    int32_t State = 0;
    int32_t Group = 0;
    int32_t StdCursor = 1; // 1: the role is left to the standard system pointer
};

class CThemeEffect : public CThemeEntry
{
public:
    int32_t Slot = 0;
};

class CThemeTrail : public CThemeEntry
{
public:
    int32_t Slot = 0;
    int32_t TrailsPerSecond = kDefaultTrailsPerSecond;
};
