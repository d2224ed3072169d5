// The themes page's list: row 0 for no theme, then one row per installed
// cursor theme with its preview (read through the Preview cache), name,
// author and version.

#include "LibraryLayout.h"
#include "LibraryLists.h"
#include "LibraryLoads.h"
#include "LibraryRows.h"
#include "ListSelection.h"
#include "ThemeFileDeletion.h"

#include <shlwapi.h>

#include <string>

namespace {

constexpr int kRowHeight = 62;
constexpr int kRowWidth = 443;
constexpr int kRowIdBase = 300;
constexpr int kTextX = 80;
constexpr int kTextY = 7;
constexpr int kAuthorY = 26;
constexpr int kVersionGap = 20;
constexpr int kVersionDrop = 4;
constexpr int kTextEndGap = 16;
constexpr int kCurrentNameChars = 1024;
constexpr int kUiAuthorBy = 37;
constexpr wchar_t kGroup[] = L"grpThemes";

// The cache holds a preview load of the library file; one older than the
// file (a theme replaced under its name) or one that does not load is made
// again. A library file that does not load leaves no cache.
bool CacheIsCurrent(const wchar_t* cache, const wchar_t* path)
{
    WIN32_FILE_ATTRIBUTE_DATA cached{}, theme{};
    return GetFileAttributesExW(cache, GetFileExInfoStandard, &cached) &&
           GetFileAttributesExW(path, GetFileExInfoStandard, &theme) &&
           CompareFileTime(&cached.ftLastWriteTime, &theme.ftLastWriteTime) >= 0;
}

std::unique_ptr<CTheme> LoadThroughCache(const wchar_t* path)
{
    wchar_t cache[MAX_PATH];
    const bool cacheFits = PreviewCachePath(PanelThemesFolder, path, cache);
    if (cacheFits && CacheIsCurrent(cache, path)) {
        auto cached = std::make_unique<CTheme>();
        if (cached->LoadContainer(cache, 1))
            return cached;
    }
    auto theme = std::make_unique<CTheme>();
    if (!theme->Load(path, 1))
        return nullptr;
    if (cacheFits) {
        // The folder may have gone since start-up.
        CreateDirectoryW((std::wstring(PanelThemesFolder) + L"\\Preview").c_str(), nullptr);
        theme->SaveContainer(cache, 0);
    }
    return theme;
}

void AddThemeTexts(LMObj* row, LibraryEntry& entry)
{
    entry.NameText = MakeRowText(row, kTextX, kTextY, entry.DisplayName, PanelSizes.RowSize);
    const int nameRight = kTextX + (entry.NameText ? entry.NameText->VisibleWidth : 0);
    entry.TextEnd = nameRight + kTextEndGap;
    const int small = PanelSizes.SmallSize;
    if (entry.Author[0]) {
        const std::wstring byline = std::wstring(UiText(kUiAuthorBy)) + L" " + entry.Author;
        MakeListLabel(row, kTextX, kAuthorY, byline.c_str(), small, kListDetailColor, 0, nullptr);
    }
    if (entry.Version[0]) {
        const std::wstring version = std::wstring(L"v.") + entry.Version;
        LMObj* label = MakeListLabel(row, nameRight + kVersionGap, kTextY + kVersionDrop,
                                     version.c_str(), small, kListDetailColor, 0, nullptr);
        if (label)
            entry.TextEnd = label->VisibleX + label->VisibleWidth + kTextEndGap;
    }
}

void AddThemeRow(LMObj* container, int n, LibraryEntry& entry, const CTheme* theme)
{
    CQVObj* row = MakeListRow(container, kRowHeight * n, kRowWidth, kRowHeight, kRowIdBase + n,
                              CQVHoverListRow, kGroup);
    if (!row)
        return;
    const CThemeCursor* cursor = theme && (entry.ContentFlags & ThemeHasCursors)
                                     ? theme->FindCursor(0, kCursorStateNormal, kThemeCursorGroup)
                                     : nullptr;
    if (HasPicture(cursor)) {
        entry.Preview =
            AddRowPreview(row, *cursor->Animation, kThemePreviewBoxHeight, PreviewLook::Shadowed);
    }
    AddThemeTexts(row, entry);
}

void AddNoThemeRow(LMObj* container)
{
    CQVObj* row =
        MakeListRow(container, 0, kRowWidth, kRowHeight, kRowIdBase, CQVHoverListRow, kGroup);
    if (row)
        MakeRowText(row, kTextX, kTextY, UiText(kUiNoTheme), PanelSizes.RowSize);
}

// One record and row per listed file whose path fits; the current theme's
// row becomes the applied row.
void AddLibraryRows(LMObj* container, const wchar_t* currentName)
{
    for (const ThemeListEntry& listed : GetCursorThemeList()) {
        LibraryEntry entry;
        if (!StartLibraryEntry(listed, ThemeHasCursors, &entry))
            continue;
        // A theme that does not load keeps its list title.
        std::unique_ptr<CTheme> theme =
            LoadListedTheme(entry.Path, [&] { return LoadThroughCache(entry.Path); });
        if (theme)
            TakeThemeTexts(*theme, &entry);
        const int n = static_cast<int>(Library.Themes.size()) + 1;
        AddThemeRow(container, n, entry, theme.get());
        if (currentName[0] && lstrcmpiW(currentName, entry.DisplayName) == 0)
            Library.AppliedThemeRow = n;
        Library.Themes.push_back(std::move(entry));
    }
}

}  // namespace

void BuildThemeList()
{
    PanelList& list = Library.ThemeList;
    ClearListRows(list);
    Library.Themes.clear();
    if (!list.Container)
        return;
    AddNoThemeRow(list.Container);
    wchar_t currentName[kCurrentNameChars] = {};
    if (PanelCurrentTheme)
        PanelCurrentTheme->GetDisplayName(currentName, kCurrentNameChars);
    AddLibraryRows(list.Container, currentName);

    const int rows = static_cast<int>(Library.Themes.size()) + 1;
    FitListContainer(list, rows * kRowHeight);
    list.RowStep = ListRowStep(list, static_cast<int>(Library.Themes.size()));
    if (list.HoverBar)
        list.HoverBar->OnTop();
    if (list.SelectionBar)
        list.SelectionBar->OnTop();
    // Every row is new: the selection is placed again for its entry. -1 is
    // the cursor strip, so rows that are gone become -2.
    Library.AppliedThemeRow = KeptRow(Library.AppliedThemeRow, rows, -1);
    KeepRowsInBounds(list, rows, -2);
    list.Selected = -2;
    SelectThemeRow(Library.AppliedThemeRow == -1 ? 0 : Library.AppliedThemeRow);
}
