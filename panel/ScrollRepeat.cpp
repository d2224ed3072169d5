#include "ScrollRepeat.h"

#include "LMObj.h"
#include "PanelState.h"

namespace {

// A step of 0 is the list's own row step, set by its builder.
struct RepeatTimer {
    UINT_PTR Timer;
    PanelList LibraryPagesState::*List;
    int Step;
    int Direction;
};

constexpr int kListRowStep = 0;
constexpr int kSlotStep = 30;
constexpr int kThemeRepeatStep = 1;

constexpr RepeatTimer kRepeatTimers[] = {
    {201, &LibraryPagesState::ThemeList, kThemeRepeatStep, 1},
    {202, &LibraryPagesState::ThemeList, kThemeRepeatStep, -1},
    {203, &LibraryPagesState::TrailList, kListRowStep, 1},
    {204, &LibraryPagesState::TrailList, kListRowStep, -1},
    {205, &LibraryPagesState::EffectLibrary, kListRowStep, 1},
    {206, &LibraryPagesState::EffectLibrary, kListRowStep, -1},
    {207, &LibraryPagesState::EffectSlots, kSlotStep, 1},
    {208, &LibraryPagesState::EffectSlots, kSlotStep, -1},
    {215, &LibraryPagesState::SoundFiles, kListRowStep, 1},
    {216, &LibraryPagesState::SoundFiles, kListRowStep, -1},
    {217, &LibraryPagesState::SoundSlots, kSlotStep, 1},
    {218, &LibraryPagesState::SoundSlots, kSlotStep, -1},
};

}  // namespace

PanelList* ScrollRepeatList(UINT_PTR timer, int* step)
{
    for (const RepeatTimer& repeat : kRepeatTimers) {
        if (repeat.Timer != timer)
            continue;
        PanelList& list = Library.*repeat.List;
        *step = (repeat.Step == kListRowStep ? list.RowStep : repeat.Step) * repeat.Direction;
        return &list;
    }
    return nullptr;
}

int RepeatScroll(UINT_PTR timer, DWORD now)
{
    // Unsigned: a clock that wrapped still counts the time since the press.
    if (now - PanelShell.ScrollRepeatStart <= kScrollRepeatDelayMs)
        return 0;
    int step = 0;
    PanelList* list = ScrollRepeatList(timer, &step);
    LMObj* thumb = list ? list->Thumb : nullptr;
    if (!thumb)
        return 0;
    thumb->OnDrag(0, 0, thumb->VisibleX, thumb->VisibleY + step);
    return 1;
}
