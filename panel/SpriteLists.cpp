// The effects page's library list and the trails page's list: fixed rows,
// then one row per effect or trail theme with a looping preview and its
// name. The trail list selects the trail of the "CurrentTrail" setting.

#include "LibraryLayout.h"
#include "LibraryLists.h"
#include "LibraryLoads.h"
#include "LibraryRows.h"
#include "LibraryViews.h"
#include "ListSelection.h"
#include "RegistrySettings.h"

namespace {

constexpr int kRowHeight = 80;
constexpr int kEffectRowWidth = 251;
constexpr int kTrailRowWidth = 568;
constexpr int kRowIdBase = 400;
constexpr int kLabelX = 100;
constexpr int kLabelY = 15;
constexpr int kLabelWidth = 150;
constexpr int kListBottom = 10;
constexpr wchar_t kEffectGroup[] = L"grpEffectPreview";
constexpr wchar_t kTrailGroup[] = L"grpTrail";
constexpr wchar_t kGhostSetting[] = L"ghost";

const CThemeEffect* PreviewEffect(const CTheme& theme)
{
    for (int slot = 0; slot < kMouseEventCount; ++slot) {
        if (HasPicture(theme.GetEffect(slot)))
            return theme.GetEffect(slot);
    }
    return nullptr;
}

// Which list is built: its rows, records, kind and the entry it previews.
struct SpriteList {
    PanelList& List;
    std::vector<LibraryEntry>& Entries;
    int RowWidth;
    int FixedRows;
    int32_t ListFlag;
    const wchar_t* Group;
};

const CThemeEntry* PreviewEntry(const SpriteList& kind, const CTheme& theme)
{
    if (kind.ListFlag == ThemeHasEffects)
        return PreviewEffect(theme);
    return PreviewTrail(theme);
}

// The file's theme for its row, or null when it does not load.
std::unique_ptr<CTheme> LoadSpriteTheme(const SpriteList& kind, const wchar_t* path)
{
    return LoadListedTheme(path, [&]() -> std::unique_ptr<CTheme> {
        if (kind.ListFlag == ThemeHasTrails)
            return LoadTrailTheme(path);
        auto theme = std::make_unique<CTheme>();
        return theme->Load(path, 1) ? std::move(theme) : nullptr;
    });
}

void AddSpriteRow(const SpriteList& kind, LibraryEntry& entry, const CTheme* theme)
{
    const int n = static_cast<int>(kind.List.Rows.size()) + kind.FixedRows;
    CQVObj* row = MakeListRow(kind.List.Container, kRowHeight * n, kind.RowWidth, kRowHeight,
                              kRowIdBase + n, CQVHoverNone, kind.Group);
    kind.List.Rows.push_back(row);
    const CThemeEntry* shown = theme ? PreviewEntry(kind, *theme) : nullptr;
    if (!shown)
        return;
    entry.Preview =
        AddRowPreview(row, *shown->Animation, kSpritePreviewBoxHeight, PreviewLook::Looping);
    entry.NameText = MakeListLabel(row, kLabelX, kLabelY, entry.DisplayName, PanelSizes.RowSize,
                                   kListTextColor, kLabelWidth, nullptr);
}

// A row per listed file whose path fits; a file that yields nothing to
// preview keeps an empty row.
void AddSpriteRows(const SpriteList& kind, const ThemeList& listed)
{
    for (const ThemeListEntry& file : listed) {
        LibraryEntry entry;
        if (!StartLibraryEntry(file, kind.ListFlag, &entry))
            continue;
        std::unique_ptr<CTheme> theme = LoadSpriteTheme(kind, entry.Path);
        if (theme)
            theme->GetDisplayName(entry.DisplayName, MAX_PATH);
        AddSpriteRow(kind, entry, theme.get());
        kind.Entries.push_back(std::move(entry));
    }
}

// Clears the list and makes its fixed rows; false without a container.
bool StartSpriteList(const SpriteList& kind)
{
    ClearListRows(kind.List);
    kind.Entries.clear();
    LMObj* container = kind.List.Container;
    if (!container)
        return false;
    MakeListLabel(container, kLabelX, kLabelY, UiText(kUiNone), PanelSizes.RowSize, kListTextColor,
                  kLabelWidth, kind.Group);
    if (kind.FixedRows == kTrailFixedRows) {
        MakeListLabel(container, kLabelX, kRowHeight * kGhostTrailRow + kLabelY,
                      UiText(kUiGhostTrail), PanelSizes.RowSize, kListTextColor, kLabelWidth,
                      kind.Group);
    }
    return true;
}

// Sizes the container and scroll step to the rows; returns the row count.
int FinishSpriteList(const SpriteList& kind)
{
    const int rows = static_cast<int>(kind.List.Rows.size()) + kind.FixedRows;
    FitListContainer(kind.List, rows * kRowHeight + kListBottom);
    kind.List.RowStep = ListRowStep(kind.List, static_cast<int>(kind.Entries.size()));
    KeepRowsInBounds(kind.List, rows, -1);
    return rows;
}

SpriteList EffectKind()
{
    return {Library.EffectLibrary, Library.Effects, kEffectRowWidth, 1,
            ThemeHasEffects,       kEffectGroup};
}

SpriteList TrailKind()
{
    return {Library.TrailList, Library.Trails, kTrailRowWidth,
            kTrailFixedRows,   ThemeHasTrails, kTrailGroup};
}

// The row of the trail named by the setting: a listed path in any letter
// case, "" the none row, "ghost" the ghost row; -1 when nothing matches.
int FindCurrentTrailRow(const wchar_t* setting)
{
    if (setting[0] == L'\0')
        return 0;
    if (lstrcmpiW(setting, kGhostSetting) == 0)
        return kGhostTrailRow;
    for (size_t i = 0; i < Library.Trails.size(); ++i) {
        if (lstrcmpiW(setting, Library.Trails[i].Path) == 0)
            return static_cast<int>(i) + kTrailFixedRows;
    }
    return -1;
}

}  // namespace

void ClearEffectRows()
{
    ClearListRows(Library.EffectLibrary);
}

void ClearTrailRows()
{
    ClearListRows(Library.TrailList);
}

void BuildEffectList()
{
    const SpriteList kind = EffectKind();
    if (!StartSpriteList(kind))
        return;
    AddSpriteRows(kind, GetEffectThemeList());
    FinishSpriteList(kind);
}

void BuildTrailList()
{
    const SpriteList kind = TrailKind();
    // A whole path fits; a longer value reads as none, like a missing one.
    wchar_t setting[MAX_PATH] = {};
    ReadRegistryString(setting, sizeof(setting), HKEY_CURRENT_USER, PanelSettingsKey.c_str(),
                       L"CurrentTrail");
    if (!StartSpriteList(kind))
        return;
    AddSpriteRows(kind, GetTrailThemeList());
    FinishSpriteList(kind);
    const int found = FindCurrentTrailRow(setting);
    if (found >= 0)
        SelectTrailRow(found);
}
