#pragma once
// The theme in memory: six texts, cursor entries by role and state, nine
// effect and nine sound slots by mouse event, three trail slots and the
// content flags. Used on one thread only.

#include "CThemeEntry.h"
#include "CThemeSound.h"
#include "HeapText.h"
#include "ThemeVocabulary.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

constexpr int32_t kDefaultSchemeVersion = 200;

class CTheme
{
public:
    CTheme() = default;
    CTheme(const CTheme&) = delete;
    CTheme& operator=(const CTheme&) = delete;

    // Name, or the file name of FilePath without folder and extension when Name
    // is absent or empty; truncated to the buffer.
    void GetDisplayName(wchar_t* buffer, size_t bufferChars) const;

    void AddCursor(std::unique_ptr<CThemeCursor> cursor);
    // Deletes the entry when it is in the list.
    void RemoveCursor(CThemeCursor* cursor);
    int CursorCount() const { return static_cast<int>(Cursors.size()); }
    CThemeCursor* GetCursorAt(int index) const;
    // The first cursor in list order with that role, state and group.
    CThemeCursor* FindCursor(int32_t role, int32_t state, int32_t group) const;

    CThemeEffect* GetEffect(int index) const;
    CThemeSound* GetSound(int index) const;
    CThemeTrail* GetTrail(int index) const;
    CThemeEffect* FirstEffect() const;
    CThemeTrail* FirstTrail() const;

    // Replace the slot's entry (the new one may be null) and return the index;
    // out of range: -1, nothing changes and the entry passed is deleted.
    int SetEffect(int index, std::unique_ptr<CThemeEffect> effect);
    int SetTrail(int index, std::unique_ptr<CThemeTrail> trail);

    // Reads a whole file into the sound slot; 1, or 0 with the slot empty when
    // the file cannot be read whole or holds 2 GiB or more.
    int LoadSound(int index, const wchar_t* path);
    void ClearSound(int index);

    void ClearCursors();
    void ClearEffects();
    void ClearTrails();
    void ClearSounds();
    // All four kinds and the texts; ContentFlags 0.
    void Clear();

    // Move that part of other into this theme, with its content flag.
    void TakeCursors(CTheme& other);
    void TakeEffects(CTheme& other);
    void TakeTrails(CTheme& other);
    void TakeSounds(CTheme& other);

    // Shows the unsupported-features warning, once per theme.
    void WarnUnsupported();

    // By extension: ".pvlttheme" archives and ".trivane" containers.
    int Load(const wchar_t* path, int preview);
    int Save(const wchar_t* path, int compress);
    // Sets ContentFlags from the file alone.
    int PeekKind(const wchar_t* path);

    int LoadContainer(const wchar_t* path, int preview);
    int SaveContainer(const wchar_t* path, int compress);
    // A ".PvltTheme" archive, extracted into a temporary folder that is
    // removed again; 0 unless it holds a "scheme.ini".
    int LoadZipTheme(const wchar_t* path, int preview);
    // The extracted "scheme.ini": cursors, scheme version and description.
    int LoadSchemeIni(const wchar_t* iniPath, int preview);

    int32_t SchemeVersion = kDefaultSchemeVersion;
    std::wstring FilePath;
    HeapText Name;
    HeapText Author;
    HeapText Version;
    HeapText Email;
    HeapText Website;
    HeapText Description;
    std::array<std::unique_ptr<CThemeSound>, kMouseEventCount> Sounds;
    std::array<std::unique_ptr<CThemeEffect>, kMouseEventCount> Effects;
    std::array<std::unique_ptr<CThemeTrail>, kTrailSlotCount> Trails;
    // Never absent: a theme that gave its cursors away keeps an empty list.
    std::vector<std::unique_ptr<CThemeCursor>> Cursors;
    int32_t ContentFlags = 0;
    int32_t UnsupportedWarned = 0;
};
