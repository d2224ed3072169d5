// The theme model: lookups, slots, sounds and moving parts between themes.

#include "CTheme.h"

#include "HeapText.h"
#include "ScopedWin.h"
#include "ThemeFileNames.h"

#include <algorithm>
#include <new>

namespace
{

template <typename Slots> auto* SlotAt(const Slots& slots, int index)
{
    return index >= 0 && index < static_cast<int>(slots.size()) ? slots[index].get() : nullptr;
}

template <typename Slots> auto* FirstFilled(const Slots& slots)
{
    for (const auto& slot : slots) {
        if (slot)
            return slot.get();
    }
    return static_cast<decltype(slots[0].get())>(nullptr);
}

template <typename Slots, typename Entry>
int StoreInSlot(Slots& slots, int index, std::unique_ptr<Entry> entry)
{
    if (index < 0 || index >= static_cast<int>(slots.size()))
        return -1;
    slots[index] = std::move(entry);
    return index;
}

// The content bit moves with the part: set here only when other had it.
void MoveFlag(int32_t bit, int32_t* mine, int32_t* theirs)
{
    if (*theirs & bit) {
        *theirs &= ~bit;
        *mine |= bit;
    } else {
        *mine &= ~bit;
    }
}

} // namespace

void CTheme::GetDisplayName(wchar_t* buffer, size_t bufferChars) const
{
    if (Name && Name[0] != L'\0')
        CopyTextBounded(buffer, bufferChars, Name.get());
    else
        CopyTextBounded(buffer, bufferChars, FileTitleOf(FilePath).c_str());
}

void CTheme::AddCursor(std::unique_ptr<CThemeCursor> cursor)
{
    if (cursor)
        Cursors.push_back(std::move(cursor));
}

void CTheme::RemoveCursor(CThemeCursor* cursor)
{
    auto found = std::find_if(Cursors.begin(), Cursors.end(),
        [cursor](const auto& entry) { return entry.get() == cursor; });
    if (found != Cursors.end())
        Cursors.erase(found);
}

CThemeCursor* CTheme::GetCursorAt(int index) const
{
    return SlotAt(Cursors, index);
}

CThemeCursor* CTheme::FindCursor(int32_t role, int32_t state, int32_t group) const
{
    for (const auto& cursor : Cursors) {
        if (cursor->Role == role && cursor->State == state && cursor->Group == group)
            return cursor.get();
    }
    return nullptr;
}

CThemeEffect* CTheme::GetEffect(int index) const
{
    return SlotAt(Effects, index);
}

CThemeSound* CTheme::GetSound(int index) const
{
    return SlotAt(Sounds, index);
}

CThemeTrail* CTheme::GetTrail(int index) const
{
    return SlotAt(Trails, index);
}

CThemeEffect* CTheme::FirstEffect() const
{
    return FirstFilled(Effects);
}

CThemeTrail* CTheme::FirstTrail() const
{
    return FirstFilled(Trails);
}

int CTheme::SetEffect(int index, std::unique_ptr<CThemeEffect> effect)
{
    return StoreInSlot(Effects, index, std::move(effect));
}

int CTheme::SetTrail(int index, std::unique_ptr<CThemeTrail> trail)
{
    return StoreInSlot(Trails, index, std::move(trail));
}

int CTheme::LoadSound(int index, const wchar_t* path)
{
    if (index < 0 || index >= kMouseEventCount)
        return 0;
    Sounds[index].reset();
    ScopedFile file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size {};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > INT32_MAX)
        return 0;
    auto bytes = static_cast<DWORD>(size.QuadPart);
    std::unique_ptr<uint8_t[]> data(new (std::nothrow) uint8_t[bytes == 0 ? 1 : bytes]);
    DWORD got = 0;
    if (!data || !ReadFile(file.Get(), data.get(), bytes, &got, nullptr) || got != bytes)
        return 0;
    auto sound = std::unique_ptr<CThemeSound>(new (std::nothrow) CThemeSound);
    if (!sound)
        return 0;
    sound->Data = std::move(data);
    sound->Size = static_cast<int32_t>(bytes);
    Sounds[index] = std::move(sound);
    return 1;
}

void CTheme::ClearSound(int index)
{
    if (index >= 0 && index < kMouseEventCount)
        Sounds[index].reset();
}

void CTheme::ClearCursors()
{
    Cursors.clear();
    ContentFlags &= ~ThemeHasCursors;
}

void CTheme::ClearEffects()
{
    for (auto& effect : Effects)
        effect.reset();
    ContentFlags &= ~ThemeHasEffects;
}

void CTheme::ClearTrails()
{
    for (auto& trail : Trails)
        trail.reset();
    ContentFlags &= ~ThemeHasTrails;
}

void CTheme::ClearSounds()
{
    for (auto& sound : Sounds)
        sound.reset();
    ContentFlags &= ~ThemeHasSounds;
}

void CTheme::Clear()
{
    ClearCursors();
    ClearEffects();
    ClearTrails();
    ClearSounds();
    for (HeapText* text : { &Name, &Author, &Version, &Email, &Website, &Description })
        text->reset();
    ContentFlags = 0;
}

void CTheme::TakeCursors(CTheme& other)
{
    if (&other == this)
        return;
    ClearCursors();
    Cursors = std::move(other.Cursors);
    other.Cursors.clear();
    MoveFlag(ThemeHasCursors, &ContentFlags, &other.ContentFlags);
}

void CTheme::TakeEffects(CTheme& other)
{
    if (&other == this)
        return;
    ClearEffects();
    std::swap(Effects, other.Effects);
    MoveFlag(ThemeHasEffects, &ContentFlags, &other.ContentFlags);
}

void CTheme::TakeTrails(CTheme& other)
{
    if (&other == this)
        return;
    ClearTrails();
    std::swap(Trails, other.Trails);
    MoveFlag(ThemeHasTrails, &ContentFlags, &other.ContentFlags);
}

void CTheme::TakeSounds(CTheme& other)
{
    if (&other == this)
        return;
    ClearSounds();
    std::swap(Sounds, other.Sounds);
    MoveFlag(ThemeHasSounds, &ContentFlags, &other.ContentFlags);
}
