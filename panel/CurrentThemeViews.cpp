#include "CurrentThemeViews.h"

#include "FactorySupport.h"
#include "LibraryRows.h"
#include "PanelFactories.h"
#include "ShadowPreview.h"

namespace {

constexpr wchar_t kEmpty[] = L"null";
constexpr wchar_t kShown[] = L"Default";
constexpr wchar_t kSoundIcon[] = L"sound";
constexpr wchar_t kNoSoundIcon[] = L"blank";
constexpr wchar_t kOriginal[] = L"ori";
// The strip shows these roles only: arrow, working in background, busy,
// text, the diagonal resize, hand and button.
constexpr int kStripRoles[] = {0, 2, 3, 5, 12, 18, 19};
constexpr int kArrowRole = 0;
constexpr int kNameX = 126;
constexpr int kNameY = 109;
constexpr COLORREF kNameColor = RGB(214, 129, 26);

// At once, also while a looping picture plays: the state it plays is
// removed next.
void ClearToEmpty(LMObj* object)
{
    if (!object)
        return;
    object->ChangeState(kEmpty, LMRequestImmediate, 0);
    object->RemoveState(kShown);
}

void ShowState(LMObj* object, std::unique_ptr<LMBitmapState> state)
{
    object->AddState(state.release());
    object->ChangeState(kShown);
}

void KeepOriginal(const LMBitmapState& arrow)
{
    ShadowPage.Original = CopyAtOrigin(kOriginal, arrow);
    ShadowPage.Original->SetHitMode(LMHitWholeFrame);
}

}  // namespace

void RefreshEffectSlots()
{
    for (int slot = 0; slot < kMouseEventCount; ++slot) {
        LMObj* preview = ThemeViews.EffectPreviews[slot];
        if (!preview)
            continue;
        ClearToEmpty(preview);
        const CThemeEffect* effect =
            PanelCurrentTheme ? PanelCurrentTheme->GetEffect(slot) : nullptr;
        if (!HasPicture(effect))
            continue;
        auto state = CopyAtOrigin(kShown, *effect->Animation);
        state->SetHitMode(LMHitNever);
        state->FrameFlags |= LMFrameLoop;
        ShowState(preview, std::move(state));
    }
}

void ShowSoundIcons()
{
    for (int slot = 0; slot < kMouseEventCount; ++slot) {
        if (LMObj* icon = ThemeViews.SoundIcons[slot]) {
            const bool sound = PanelCurrentTheme && PanelCurrentTheme->GetSound(slot);
            icon->ChangeState(sound ? kSoundIcon : kNoSoundIcon);
        }
    }
}

void ShowCursorCells()
{
    for (LMObj* cell : ThemeViews.CursorCells)
        ClearToEmpty(cell);
    if (!PanelCurrentTheme)
        return;
    size_t next = 0;
    for (int role : kStripRoles) {
        if (next == ThemeViews.CursorCells.size())
            break;
        const CThemeCursor* cursor =
            PanelCurrentTheme->FindCursor(role, kCursorStateNormal, kThemeCursorGroup);
        if (!HasPicture(cursor))
            continue;
        auto state = CopyAtOrigin(kShown, *cursor->Animation);
        if (role == kArrowRole)
            KeepOriginal(*state);
        AddPanelShadow(*state);
        if (LMObj* cell = ThemeViews.CursorCells[next++])
            ShowState(cell, std::move(state));
    }
}

void ReplaceNameLabel(const wchar_t* text)
{
    DeleteObjectTree(ThemeViews.NameLabel);
    ThemeViews.NameLabel = CreateTextLabel(Library.Pages[kThemesPage], kNameX, kNameY, text,
                                           PanelSizes.RowSize, 0, kNameColor, 0, 0);
}

void ShowNoTheme()
{
    for (LMObj* cell : ThemeViews.CursorCells)
        ClearToEmpty(cell);
    for (LMObj* preview : ThemeViews.EffectPreviews)
        ClearToEmpty(preview);
    for (LMObj* icon : ThemeViews.SoundIcons) {
        if (icon)
            icon->ChangeState(kNoSoundIcon);
    }
    for (LMObj* mark : ThemeViews.SoundMarks)
        ClearToEmpty(mark);
}
