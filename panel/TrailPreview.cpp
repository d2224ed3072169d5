// The trails page's caption and the trail theme its preview area draws
// sprites from.

#include "FactorySupport.h"
#include "LibraryRows.h"
#include "LibraryViews.h"
#include "PanelFactories.h"

namespace {

constexpr int kCaptionX = 13;
constexpr int kCaptionY = 110;
constexpr int kUiTrailPreview = 66;
constexpr int kUiTrailHint = 67;

void ReplaceCaption(int reload)
{
    DeleteObjectTree(Library.TrailCaption);
    const int text = Library.TrailList.Selected == kGhostTrailRow ? kUiGhostTrail
                     : reload                                     ? kUiTrailHint
                                                                  : kUiTrailPreview;
    Library.TrailCaption =
        CreateTextLabel(Library.Pages[kTrailsPage], kCaptionX, kCaptionY, UiText(text),
                        PanelSizes.RowSize, 0, kListTextColor, 0, 0);
}

void FreeLoadedTrail()
{
    if (Library.LoadedTrailTheme)
        Library.LoadedTrailTheme->Clear();
    Library.LoadedTrailTheme.reset();
}

// The sprite rate of the first trail slot that holds a trail.
void TakeSpriteRate(const CTheme& theme)
{
    for (int slot = 0; slot < kTrailSlotCount; ++slot) {
        if (const CThemeTrail* trail = theme.GetTrail(slot)) {
            Library.TrailSpriteRate = trail->TrailsPerSecond;
            return;
        }
    }
}

}  // namespace

std::unique_ptr<CTheme> LoadTrailTheme(const wchar_t* path)
{
    auto theme = std::make_unique<CTheme>();
    if (!theme->Load(path, 1))
        return nullptr;
    if (theme->FirstTrail())
        return theme;
    auto whole = std::make_unique<CTheme>();
    return whole->Load(path, 0) ? std::move(whole) : std::move(theme);
}

const CThemeTrail* PreviewTrail(const CTheme& theme)
{
    for (int slot : {0, 2}) {
        if (HasPicture(theme.GetTrail(slot)))
            return theme.GetTrail(slot);
    }
    for (int slot = 0; slot < kTrailSlotCount; ++slot) {
        if (HasPicture(theme.GetTrail(slot)))
            return theme.GetTrail(slot);
    }
    return nullptr;
}

void ShowTrailPreview(int reload)
{
    ReplaceCaption(reload);
    FreeLoadedTrail();
    if (!reload)
        return;
    const int row = Library.TrailList.Selected;
    const bool ghost = row == kGhostTrailRow;
    for (LMObj* slider : Library.TrailSliders)
        SetShown(slider, ghost);
    SetShown(Library.TrailPreviewArea, !ghost);
    const int index = row - kTrailFixedRows;
    if (index < 0 || index >= static_cast<int>(Library.Trails.size()))
        return;
    Library.LoadedTrailTheme = LoadTrailTheme(Library.Trails[static_cast<size_t>(index)].Path);
    if (Library.LoadedTrailTheme)
        TakeSpriteRate(*Library.LoadedTrailTheme);
}
