#include "ScrollRules.h"

#include "LMObj.h"

#include <algorithm>
#include <cstdint>

namespace {

// A step of 0 is the list's own row step, set by its builder.
constexpr int kRowStep = 0;
constexpr int kSlotStep = 30;
constexpr int kThemeRepeatStep = 1;
constexpr int kWheelNotch = 120;

struct ScrollArrow {
    int ArrowId;
    UINT_PTR Timer;
    PanelList LibraryPagesState::*List;
    int Direction;
    int PressStep;
    int RepeatStep;
};

constexpr ScrollArrow kArrows[] = {
    {38, 202, &LibraryPagesState::ThemeList, -1, kRowStep, kThemeRepeatStep},
    {39, 201, &LibraryPagesState::ThemeList, 1, kRowStep, kThemeRepeatStep},
    {84, 204, &LibraryPagesState::TrailList, -1, kRowStep, kRowStep},
    {85, 203, &LibraryPagesState::TrailList, 1, kRowStep, kRowStep},
    {70, 206, &LibraryPagesState::EffectLibrary, -1, kRowStep, kRowStep},
    {71, 205, &LibraryPagesState::EffectLibrary, 1, kRowStep, kRowStep},
    {74, 208, &LibraryPagesState::EffectSlots, -1, kSlotStep, kSlotStep},
    {75, 207, &LibraryPagesState::EffectSlots, 1, kSlotStep, kSlotStep},
    {113, 216, &LibraryPagesState::SoundFiles, -1, kRowStep, kRowStep},
    {114, 215, &LibraryPagesState::SoundFiles, 1, kRowStep, kRowStep},
    {117, 218, &LibraryPagesState::SoundSlots, -1, kSlotStep, kSlotStep},
    {118, 217, &LibraryPagesState::SoundSlots, 1, kSlotStep, kSlotStep},
};

ScrollMove MoveOf(LibraryPagesState& library, const ScrollArrow& arrow, int step)
{
    PanelList& list = library.*arrow.List;
    const int size = step == kRowStep ? list.RowStep : step;
    return ScrollMove{&list, size * arrow.Direction, arrow.Timer};
}

// A page with a slot list and a library list scrolls the one in focus.
ScrollMove FocusedList(int focus, PanelList& slots, PanelList& library)
{
    if (focus == kFocusSlots)
        return ScrollMove{&slots, kSlotStep, 0};
    if (focus == kFocusLibrary)
        return ScrollMove{&library, library.RowStep, 0};
    return ScrollMove{};
}

// The list the wheel scrolls and the step of one notch.
ScrollMove WheelList(LibraryPagesState& library)
{
    auto shown = [&](int page) { return library.Pages[page] && library.Pages[page]->Shown; };
    if (shown(kThemesPage))
        return ScrollMove{&library.ThemeList, library.ThemeList.RowStep, 0};
    if (shown(kEffectsPage))
        return FocusedList(library.ListFocus, library.EffectSlots, library.EffectLibrary);
    if (shown(kSoundsPage))
        return FocusedList(library.ListFocus, library.SoundSlots, library.SoundFiles);
    if (shown(kTrailsPage))
        return ScrollMove{&library.TrailList, library.TrailList.RowStep, 0};
    return ScrollMove{};
}

}  // namespace

ScrollMove ArrowMove(LibraryPagesState& library, int arrowId)
{
    for (const ScrollArrow& arrow : kArrows) {
        if (arrow.ArrowId == arrowId)
            return MoveOf(library, arrow, arrow.PressStep);
    }
    return ScrollMove{};
}

ScrollMove RepeatMove(LibraryPagesState& library, UINT_PTR timer)
{
    for (const ScrollArrow& arrow : kArrows) {
        if (arrow.Timer == timer)
            return MoveOf(library, arrow, arrow.RepeatStep);
    }
    return ScrollMove{};
}

ScrollMove WheelMove(LibraryPagesState& library, int delta)
{
    ScrollMove move = WheelList(library);
    move.Step = -(delta * move.Step / kWheelNotch);
    return move;
}

ThumbTravel ListThumbTravel(int frameHeight, int thumbHeight)
{
    return ThumbTravel{16, frameHeight - thumbHeight - 18};
}

ThumbTravel GridThumbTravel(int frameY, int frameHeight, int thumbHeight)
{
    return ThumbTravel{frameY + 15, frameY + frameHeight - thumbHeight - 17};
}

int ClampThumb(const ThumbTravel& travel, int y)
{
    return std::min(travel.High, std::max(travel.Low, y));
}

int KeptThumb(const ThumbTravel& travel, int y, int listHeight, int clipHeight)
{
    return listHeight <= clipHeight ? travel.Low : ClampThumb(travel, y);
}

bool ListYForThumb(const ThumbTravel& travel, int y, int listHeight, int clipHeight, int* listY)
{
    const int64_t range = static_cast<int64_t>(travel.High) - travel.Low;
    if (range <= 0)
        return false;
    const int64_t hidden = std::max<int64_t>(0, static_cast<int64_t>(listHeight) - clipHeight);
    const int64_t along = static_cast<int64_t>(ClampThumb(travel, y)) - travel.Low;
    *listY = static_cast<int>(-(hidden * along / range));
    return true;
}

bool TrailSpriteDue(DWORD now, DWORD lastSprite, int perSecond)
{
    const DWORD rate = perSecond >= 1 ? static_cast<DWORD>(perSecond) : kDefaultTrailsPerSecond;
    // Unsigned: a clock that wrapped still counts the time since the sprite.
    return now - lastSprite > 1000 / rate;
}
