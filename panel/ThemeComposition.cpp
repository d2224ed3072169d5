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
#include "ProductCaption.h"
#include "ShadowPreview.h"
#include "ThemeMessages.h"

#include <shlwapi.h>

#include <string>

namespace {

bool HasCursorPixels(const CTheme& theme)
{
    for (const auto& cursor : theme.Cursors) {
        if (HasPicture(cursor.get()) && cursor->Animation->Bitmap->HasPixels())
            return true;
    }
    return false;
}

// A library theme: null when the file does not load or has nothing for the
// strip to show. What could not be read is said once, not in a box per
// image.
std::unique_ptr<CTheme> LoadComposableTheme(const wchar_t* path)
{
    auto theme = std::make_unique<CTheme>();
    LMQuietErrors quiet;
    const bool loaded = theme->Load(path, 0) == 1;
    if (!loaded || quiet.Count() > 0) {
        const std::wstring text =
            std::wstring(kUnreadableThemeFiles) + L"\r\n\r\n" + PathFindFileNameW(path);
        LMMessageBox(PanelDialog, text.c_str(), kProductCaption, MB_OK | MB_ICONWARNING);
    }
    if (!loaded || !HasCursorPixels(*theme))
        return nullptr;
    return theme;
}

// The current theme file is the user's whatever it holds (effects alone,
// say): null only when it does not load.
std::unique_ptr<CTheme> LoadCurrentThemeFile(const wchar_t* path)
{
    auto theme = std::make_unique<CTheme>();
    return theme->Load(path, 0) ? std::move(theme) : nullptr;
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
    return LMMessageBox(PanelDialog, UiText(kPartQuestionText[part]), kProductCaption,
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

void SayCurrentThemeNotWritten()
{
    const std::wstring text = std::wstring(L"The current theme could not be saved to\r\n") +
                              PanelCurrentThemePath + L"\r\n\r\nThe theme in use stays as it was.";
    LMMessageBox(PanelDialog, text.c_str(), kProductCaption, MB_OK | MB_ICONERROR);
}

void ComposeNoTheme(bool chosen)
{
    PanelNoThemeChosen = chosen;
    ReplaceNameLabel(UiText(kUiNoTheme));
    if (PanelCurrentTheme) {
        StopSoundsOf(*PanelCurrentTheme);
        PanelCurrentTheme->Clear();
        PanelCurrentTheme.reset();
    }
    ShowNoTheme();
}

void ShowComposedTheme()
{
    RefreshEffectSlots();
    ShowSoundIcons();
    ShowCursorCells();
    wchar_t name[MAX_PATH];
    PanelCurrentTheme->GetDisplayName(name, MAX_PATH);
    ReplaceNameLabel(name);
    RenderShadowPreview();
}

// The theme the file still holds is shown again (the writer leaves the
// old file whole), or no theme when there is none.
void ShowWrittenTheme()
{
    std::unique_ptr<CTheme> written;
    if (PanelCurrentThemePath[0] && PathFileExistsW(PanelCurrentThemePath))
        written = LoadCurrentThemeFile(PanelCurrentThemePath);
    if (PanelCurrentTheme)
        StopSoundsOf(*PanelCurrentTheme);
    if (!written) {
        ComposeNoTheme(false);
        return;
    }
    PanelCurrentTheme = std::move(written);
    ShowComposedTheme();
}

// 1, or 0 when the composed theme was to be saved and could not be: that
// is said, and the panel shows the theme the file still holds.
int SaveComposedTheme()
{
    RefreshCurrentThemePath();
    if (PanelCurrentThemePath[0] && PanelCurrentTheme->SaveContainer(PanelCurrentThemePath, 0))
        return 1;
    SayCurrentThemeNotWritten();
    ShowWrittenTheme();
    return 0;
}

int ComposeLoadedTheme(std::unique_ptr<CTheme> picked, int interactive, int save, int merge)
{
    PanelNoThemeChosen = false;
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
    const int result = save ? SaveComposedTheme() : 1;
    if (result)
        ShowComposedTheme();
    InvalidateThemesPage();
    return result;
}

}  // namespace

int ComposeCurrentTheme(int interactive, const wchar_t* path, int save, int merge)
{
    if (!path || !path[0]) {
        ComposeNoTheme(true);
        InvalidateThemesPage();
        return 1;
    }
    std::unique_ptr<CTheme> current = LoadCurrentThemeFile(path);
    return current ? ComposeLoadedTheme(std::move(current), interactive, save, merge) : 0;
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
    const int previousRow = Library.AppliedThemeRow;
    Library.AppliedThemeRow = row;
    if (ComposeLoadedTheme(std::move(picked), 1, 1, merge))
        return 1;
    Library.AppliedThemeRow = previousRow;
    return 0;
}
