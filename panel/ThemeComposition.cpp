// Composing the current theme: which row was picked, what the picked theme
// brings (the merge plan decides, the questions settle what it leaves
// open), and what then shows it.

#include "Composition.h"

#include "CurrentThemeViews.h"
#include "EngineWorld.h"
#include "LMMessageBox.h"
#include "LibraryRows.h"
#include "ListSelection.h"
#include "MergePlan.h"
#include "PanelSettings.h"
#include "ShadowPreview.h"

#include <string>

namespace {

constexpr wchar_t kQuestionCaption[] = L"Trivane";

bool HasCursorPixels(const CTheme& theme)
{
    for (const auto& cursor : theme.Cursors) {
        if (HasPicture(cursor.get()) && cursor->Animation->Bitmap->HasPixels())
            return true;
    }
    return false;
}

// Null when the file does not load or has nothing for the strip to show.
std::unique_ptr<CTheme> LoadComposableTheme(const wchar_t* path)
{
    auto theme = std::make_unique<CTheme>();
    if (!theme->Load(path, 0) || !HasCursorPixels(*theme))
        return nullptr;
    return theme;
}

// Theme sounds play from the theme's own memory: stop them before that
// memory goes.
void StopSoundsOf(const CTheme& theme)
{
    if (PartsOf(theme)[kPartSounds])
        World().PlaySoundW(nullptr, nullptr, 0);
}

bool Approved(int part)
{
    return LMMessageBox(PanelDialog, UiText(kPartQuestionText[part]), kQuestionCaption,
                        MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void TakePart(CTheme& current, CTheme& picked, int part)
{
    switch (part) {
    case kPartSounds:
        StopSoundsOf(current);
        current.TakeSounds(picked);
        break;
    case kPartEffects:
        current.TakeEffects(picked);
        break;
    case kPartTrails:
        current.TakeTrails(picked);
        SelectTrailRow(0);
        ClearCurrentTrailSetting();
        break;
    }
}

void MergeInto(CTheme& current, CTheme& picked, const MergePlan& plan)
{
    current.TakeCursors(picked);
    current.Name = std::move(picked.Name);
    // A theme without a name is shown by its file's name.
    current.FilePath = std::move(picked.FilePath);
    for (int part = 0; part < kThemePartCount; ++part) {
        const PartChoice choice = plan.Parts[part];
        if (choice == PartChoice::Take || (choice == PartChoice::Ask && Approved(part)))
            TakePart(current, picked, part);
    }
}

void InvalidateThemesPage()
{
    if (LMObj* page = Library.Pages[kThemesPage])
        page->Invalidate(0);
}

// 1, or 0 when asked to save and the file could not be written.
int ShowComposedTheme(int save)
{
    RefreshEffectSlots();
    ShowSoundIcons();
    int result = 1;
    if (save) {
        RefreshCurrentThemePath();
        result =
            PanelCurrentThemePath[0] && PanelCurrentTheme->SaveContainer(PanelCurrentThemePath, 0);
    }
    ShowCursorCells();
    wchar_t name[MAX_PATH];
    PanelCurrentTheme->GetDisplayName(name, MAX_PATH);
    ReplaceNameLabel(name);
    RenderShadowPreview();
    return result;
}

int ComposeLoadedTheme(std::unique_ptr<CTheme> picked, int interactive, int save, int merge)
{
    ThemeParts current{};
    if (PanelCurrentTheme)
        current = PartsOf(*PanelCurrentTheme);
    const MergePlan plan =
        PlanMerge(PanelCurrentTheme ? &current : nullptr, PartsOf(*picked), interactive, merge);
    if (plan.Whole) {
        PanelCurrentTheme = std::move(picked);
    } else {
        MergeInto(*PanelCurrentTheme, *picked, plan);
        picked->Clear();
    }
    const int result = ShowComposedTheme(save);
    InvalidateThemesPage();
    return result;
}

void ComposeNoTheme()
{
    ReplaceNameLabel(UiText(kUiNoTheme));
    if (PanelCurrentTheme) {
        StopSoundsOf(*PanelCurrentTheme);
        PanelCurrentTheme->Clear();
        PanelCurrentTheme.reset();
    }
    ShowNoTheme();
}

}  // namespace

int ComposeCurrentTheme(int interactive, const wchar_t* path, int save, int merge)
{
    if (!path || !path[0]) {
        ComposeNoTheme();
        InvalidateThemesPage();
        return 1;
    }
    std::unique_ptr<CTheme> picked = LoadComposableTheme(path);
    return picked ? ComposeLoadedTheme(std::move(picked), interactive, save, merge) : 0;
}

int PickLibraryTheme(int merge, int row)
{
    // Below 0 is no row; past the list the entry is gone (the list was
    // rebuilt since the row was chosen).
    if (row < 0 || row > static_cast<int>(Library.Themes.size()))
        return 0;
    if (row == 0) {
        Library.AppliedThemeRow = 0;
        return ComposeCurrentTheme(1, nullptr, 0, merge);
    }
    const std::wstring path = Library.Themes[static_cast<size_t>(row - 1)].Path;
    std::unique_ptr<CTheme> picked = LoadComposableTheme(path.c_str());
    if (!picked)
        return 0;
    Library.AppliedThemeRow = row;
    return ComposeLoadedTheme(std::move(picked), 1, 1, merge);
}
