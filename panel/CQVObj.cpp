// The panel's event routing: every drawn control reacts by its control id
// and hover mode, then the toolkit's own handling runs.

#include "CQVObj.h"

#include "EngineWindowLookup.h"
#include "EngineWorld.h"
#include "LMClock.h"
#include "LibraryRows.h"
#include "ListScrolling.h"
#include "ListSelection.h"
#include "PanelCommands.h"
#include "PanelControlIds.h"
#include "PanelTrailSprite.h"
#include "ScrollRules.h"

namespace {

constexpr int kThemeRowIdBase = 300;
// A hung engine must not hold the panel.
constexpr UINT kEngineAnswerMs = 200;

// A move over a list hovers the row under the pointer; one over its
// selection bar, the selected row.
struct HoverList {
    int ListId;
    int SelectionBarId;
    int HoverBarId;
    int RowHeight;
    PanelList LibraryPagesState::*List;
    void (*HoverRow)(int);
};

const HoverList kHoverLists[] = {
    {kIdThemeList, kIdThemeSelectionBar, kIdThemeHoverBar, 62, &LibraryPagesState::ThemeList,
     HoverThemeRow},
    {kIdTrailList, kIdTrailSelectionBar, kIdTrailHoverBar, 80, &LibraryPagesState::TrailList,
     HoverTrailRow},
    {kIdEffectSlotList, kIdEffectSlotSelectionBar, kIdEffectSlotHoverBar, 80,
     &LibraryPagesState::EffectSlots, HoverEffectSlot},
    {kIdEffectLibraryList, kIdEffectLibrarySelectionBar, kIdEffectLibraryHoverBar, 80,
     &LibraryPagesState::EffectLibrary, HoverEffectRow},
    {kIdSoundSlotList, kIdSoundSlotSelectionBar, kIdSoundSlotHoverBar, 80,
     &LibraryPagesState::SoundSlots, HoverSoundSlot},
    {kIdSoundFileList, kIdSoundFileSelectionBar, kIdSoundFileHoverBar, 30,
     &LibraryPagesState::SoundFiles, HoverSoundFileRow},
};

bool NamedAs(const wchar_t* name, const wchar_t* expected)
{
    return name && lstrcmpiW(name, expected) == 0;
}

// Whether the object is the control of that id or lies on it.
bool OnControl(const LMObj* object, int id)
{
    for (; object; object = object->Parent) {
        const auto* control = dynamic_cast<const CQVObj*>(object);
        if (control && control->ControlId == id)
            return true;
    }
    return false;
}

// The row buttons ride on the selection bar: the pointer may jump onto one
// straight from another row, and then the selected row is the hovered one.
void HoverListRow(const CQVObj& control, int y)
{
    for (const HoverList& hover : kHoverLists) {
        if (control.ControlId == hover.ListId)
            hover.HoverRow(y / hover.RowHeight);
        else if (OnControl(&control, hover.SelectionBarId))
            hover.HoverRow((Library.*hover.List).Selected);
    }
}

// The list itself, its bars (the row buttons ride on the selection bar),
// and for the theme list the cursor strip, where its hover bar stands for
// the current theme.
bool BelongsToList(const LMObj* object, const HoverList& hover)
{
    return OnControl(object, hover.ListId) || OnControl(object, hover.HoverBarId) ||
           OnControl(object, hover.SelectionBarId) ||
           (hover.ListId == kIdThemeList && OnControl(object, kIdCursorStrip));
}

// Where the pointer goes decides: a bar stays lit only while the pointer
// stays with its list (it may jump straight to a side tab or a button).
void HideHoverBarsOnLeave(const LMObj* next)
{
    for (const HoverList& hover : kHoverLists) {
        if (!BelongsToList(next, hover))
            HideIfShown((Library.*hover.List).HoverBar);
    }
}

// The strip stands for the current theme: its row is -1.
void EnterCursorStrip()
{
    if (Library.ThemeList.Hovered != -1)
        HoverThemeRow(-1);
}

// Whether the engine was last told the pointer is over the preview.
bool g_engineTrailPaused = false;

// The engine pauses its own trail while the pointer is over the preview.
void TellEngineTrailShown(WPARAM over)
{
    g_engineTrailPaused = over != 0;
    HWND engine = FindEngineWindow();
    if (!engine || !PanelMessages.Trail)
        return;
    DWORD_PTR answer = 0;
    World().SendMessageTimeoutW(engine, PanelMessages.Trail, over, 0, SMTO_ABORTIFHUNG,
                                kEngineAnswerMs, &answer);
}

void DropTrailSprite(int x, int y)
{
    const DWORD now = LMClockNowMs();
    if (!TrailSpriteDue(now, Library.LastTrailSprite, Library.TrailSpriteRate))
        return;
    Library.LastTrailSprite = now;
    SpawnTrailSprite(x, y);
}

// "Over" on entering, "Default" (buttons) or "Away" (side tabs) on leaving;
// a side tab keeps "Selected".
void ShowHoverLook(CQVObj& control, bool over)
{
    if (control.HoverMode == CQVHoverButton)
        control.ChangeState(over ? L"Over" : L"Default");
    else if (control.HoverMode == CQVHoverSideTab && !InState(&control, L"Selected"))
        control.ChangeState(over ? L"Over" : L"Away");
}

// The language list belongs to the About page.
void ShowLanguageCombo(bool show)
{
    HWND combo = PanelShell.LanguageCombo;
    if (!combo)
        return;
    if (!show) {
        ShowWindow(combo, SW_HIDE);
        EnableWindow(combo, FALSE);
        SetFocus(PanelDialog);
        return;
    }
    EnableWindow(combo, TRUE);
    ShowWindow(combo, SW_SHOW);
}

}  // namespace

CQVObj::CQVObj() : LMObj(LMObjWindowless)
{
}

CQVObj::CQVObj(HWND window) : LMObj(window)
{
}

// A preview that goes with the pointer on it (the panel closed) hears of
// no leave: the engine gets its trail back all the same.
CQVObj::~CQVObj()
{
    if (ControlId == kIdTrailPreview && g_engineTrailPaused)
        TellEngineTrailShown(0);
}

int CQVObj::OnStateChanging(wchar_t* name, int flags)
{
    if (ControlId == kIdAboutPanel && NamedAs(name, L"Hide"))
        ShowLanguageCombo(false);
    return LMObj::OnStateChanging(name, flags);
}

int CQVObj::OnStateDone(const wchar_t* name, int flags)
{
    if (HoverMode == CQVHoverPagePanel && NamedAs(name, L"Hide"))
        Hide();
    if (ControlId == kIdAboutPanel && NamedAs(name, L"Show") && Shown)
        ShowLanguageCombo(true);
    return LMObj::OnStateDone(name, flags);
}

int CQVObj::OnLButtonDown(int x, int y)
{
    if (HoverMode == CQVHoverButton)
        ChangeState(L"Down");
    PressScrollArrow(ControlId, LMClockNowMs());
    return LMObj::OnLButtonDown(x, y);
}

// A command may end this object's life (a dialog's or a question's message
// loop lets the lists be rebuilt): then the toolkit is not called for it.
int CQVObj::OnLButtonUp(int x, int y, int dragged)
{
    if (HoverMode == CQVHoverButton)
        ChangeState(L"Over");
    ReleaseScrollArrow(ControlId);
    if (dragged)
        return LMObj::OnLButtonUp(x, y, dragged);
    RunControlCommand(*this, y);
    return IsValidLMObj(this) ? LMObj::OnLButtonUp(x, y, 0) : 1;
}

int CQVObj::OnDoubleClick(int x, int y)
{
    return LMObj::OnDoubleClick(x, y);
}

int CQVObj::OnRButtonUp(int x, int y, int dragged)
{
    return LMObj::OnRButtonUp(x, y, dragged);
}

int CQVObj::OnMouseMove(int x, int y)
{
    if (HoverMode == CQVHoverListRow)
        HoverThemeRow(ControlId - kThemeRowIdBase);
    else if (ControlId == kIdTrailPreview)
        DropTrailSprite(x, y);
    else
        HoverListRow(*this, y);
    return LMObj::OnMouseMove(x, y);
}

int CQVObj::OnMouseEnter()
{
    ShowHoverLook(*this, true);
    if (ControlId == kIdCursorStrip)
        EnterCursorStrip();
    else if (ControlId == kIdTrailPreview)
        TellEngineTrailShown(1);
    return LMObj::OnMouseEnter();
}

int CQVObj::OnMouseLeave(LMObj* nextHovered)
{
    ShowHoverLook(*this, false);
    HideHoverBarsOnLeave(nextHovered);
    if (ControlId == kIdTrailPreview)
        TellEngineTrailShown(0);
    return LMObj::OnMouseLeave(nextHovered);
}

int CQVObj::OnDrag(int x, int y, int newX, int newY)
{
    // A thumb keeps to its frame's track.
    int keptY = newY;
    if (DragThumb(*this, newY, &keptY))
        newX = VisibleX;
    return LMObj::OnDrag(x, y, newX, keptY);
}

int CQVObj::OnDragEnd()
{
    return LMObj::OnDragEnd();
}

int CQVObj::OnMouseWheel(int delta)
{
    ScrollByWheel(delta);
    return LMObj::OnMouseWheel(delta);
}
