#include "ListScrolling.h"

#include "EngineWorld.h"
#include "LMObj.h"
#include "PanelState.h"
#include "ScrollRules.h"

namespace {

constexpr int kFramePageStep = 5;

// Through the thumb's own drag, which keeps it in its frame and scrolls.
int DragThumbBy(LMObj* thumb, int step)
{
    if (!thumb)
        return 0;
    thumb->OnDrag(0, 0, thumb->VisibleX, thumb->VisibleY + step);
    return 1;
}

int MoveThumb(const ScrollMove& move)
{
    return move.List ? DragThumbBy(move.List->Thumb, move.Step) : 0;
}

PanelList* ListOfThumb(const LMObj& thumb)
{
    for (PanelList* list : {&Library.ThemeList, &Library.TrailList, &Library.EffectSlots,
                            &Library.EffectLibrary, &Library.SoundSlots, &Library.SoundFiles}) {
        if (list->Thumb == &thumb)
            return list;
    }
    return nullptr;
}

// The list (or grid) hangs in a clip of its parent.
void ScrollTo(LMObj* scrolled, const ThumbTravel& travel, int thumbY)
{
    const LMObj* clip = scrolled ? scrolled->Parent : nullptr;
    int y = 0;
    if (clip && ListYForThumb(travel, thumbY, scrolled->VisibleHeight, clip->VisibleHeight, &y))
        scrolled->MoveTo(scrolled->VisibleX, y);
}

}  // namespace

int PressScrollArrow(int arrowId, DWORD now)
{
    const ScrollMove move = ArrowMove(Library, arrowId);
    if (!move.List)
        return 0;
    MoveThumb(move);
    World().SetTimer(PanelDialog, move.Timer, kScrollRepeatMs, nullptr);
    PanelShell.ScrollRepeatStart = now;
    PanelShell.ScrollRepeatTimer = move.Timer;
    return 1;
}

int ReleaseScrollArrow(int arrowId)
{
    const ScrollMove move = ArrowMove(Library, arrowId);
    if (!move.List)
        return 0;
    World().KillTimer(PanelDialog, move.Timer);
    PanelShell.ScrollRepeatTimer = 0;
    return 1;
}

void StopScrollRepeat()
{
    if (PanelShell.ScrollRepeatTimer)
        World().KillTimer(PanelDialog, PanelShell.ScrollRepeatTimer);
    PanelShell.ScrollRepeatTimer = 0;
}

int RepeatScroll(UINT_PTR timer, DWORD now)
{
    // Unsigned: a clock that wrapped still counts the time since the press.
    if (now - PanelShell.ScrollRepeatStart <= kScrollRepeatDelayMs)
        return 0;
    return MoveThumb(RepeatMove(Library, timer));
}

bool DragThumb(const LMObj& thumb, int newY, int* keptY)
{
    ThumbTravel travel;
    LMObj* scrolled = nullptr;
    const LMObj* gridFrame = PanelShell.CursorGridFrame;
    if (&thumb == PanelShell.CursorGridThumb && gridFrame) {
        travel =
            GridThumbTravel(gridFrame->VisibleY, gridFrame->VisibleHeight, thumb.VisibleHeight);
        scrolled = Library.CursorGrid;
    } else if (const PanelList* list = ListOfThumb(thumb); list && list->ScrollFrame) {
        travel = ListThumbTravel(list->ScrollFrame->VisibleHeight, thumb.VisibleHeight);
        scrolled = list->Container;
    } else {
        return false;
    }
    const LMObj* clip = scrolled ? scrolled->Parent : nullptr;
    *keptY = clip ? KeptThumb(travel, newY, scrolled->VisibleHeight, clip->VisibleHeight)
                  : ClampThumb(travel, newY);
    ScrollTo(scrolled, travel, *keptY);
    return true;
}

void ScrollListToThumb(const PanelList& list)
{
    DragThumbBy(list.Thumb, 0);
}

void ScrollCursorGridToTop()
{
    LMObj* thumb = PanelShell.CursorGridThumb;
    const LMObj* frame = PanelShell.CursorGridFrame;
    if (!thumb || !frame)
        return;
    const ThumbTravel travel =
        GridThumbTravel(frame->VisibleY, frame->VisibleHeight, thumb->VisibleHeight);
    thumb->OnDrag(0, 0, thumb->VisibleX, travel.Low);
}

void ScrollByWheel(int delta)
{
    MoveThumb(WheelMove(Library, delta));
}

void PageThemeThumb(int y)
{
    const LMObj* thumb = Library.ThemeList.Thumb;
    if (!thumb)
        return;
    int step = 0;
    if (y < thumb->VisibleY)
        step = -kFramePageStep;
    else if (y >= thumb->VisibleY + thumb->VisibleHeight)
        step = kFramePageStep;
    if (step != 0)
        MoveThumb(ScrollMove{&Library.ThemeList, step, 0});
}
