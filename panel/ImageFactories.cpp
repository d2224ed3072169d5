// The factories of picture widgets: side tabs, page panels, image tabs,
// images, frames, the info panel and blank areas.

#include "FactorySupport.h"
#include "LMBlankState.h"
#include "LMRectangularState.h"
#include "PanelFactories.h"
#include "PanelImages.h"
#include "PanelState.h"
#include "SkinImages.h"

namespace {

constexpr int kSideTabX = 3;
constexpr int kSideTabFadeFrames = 8;
constexpr int kSideTabOverAlpha = 160;
constexpr int kSideTabAwayAlpha = 128;
constexpr int kPageFadeFrames = 10;
constexpr int kImageTabWidth = 120;
constexpr int kImageTabBorder = 5;
constexpr int kInfoPanelX = 12;
constexpr int kInfoPanelY = 133;
constexpr int kInfoPanelWidth = 590;
constexpr int kInfoPanelHeight = 70;
constexpr COLORREF kInfoPanelColor = 0xFFFFFF;
constexpr int kInfoPanelBorderAlpha = 192;

// A skin state stretched to the image tab's width, its 5-px sides kept.
std::unique_ptr<LMBitmapState> MakeImageTabState(const wchar_t* name, int pngId)
{
    auto state = MakeSkinState(name, pngId);
    if (state)
        state->ResizeBitmap(kImageTabWidth, 0, kImageTabBorder, kImageTabBorder, 0, 0, 1, 1);
    return state;
}

}  // namespace

CQVObj* CreateSideTab(LMObj* parent, int y)
{
    const int png = kPngSideTab.Id;
    OwnedObject<CQVObj> tab(new CQVObj);
    auto over = MakeFadeState(L"Over", png, 0, kSideTabOverAlpha, kSideTabFadeFrames);
    auto away = MakeFadeState(L"Away", png, kSideTabAwayAlpha, 0, kSideTabFadeFrames);
    auto selected = MakeSkinStateAt(L"Selected", png, 255, LMHitWholeFrame);
    auto unselected = MakeSkinStateAt(L"Unselected", png, 0, LMHitWholeFrame);
    if (!over || !away || !selected || !unselected)
        return nullptr;
    over->SetHitMode(LMHitWholeFrame);
    away->SetHitMode(LMHitWholeFrame);
    AddAllStates(*tab, std::move(over), std::move(away), std::move(selected),
                 std::move(unselected));
    // Realize would start the first state, "Over"; a tab starts clear.
    tab->InternalChangeState(L"Unselected", LMRequestSilent, 0);
    tab->HoverMode = CQVHoverSideTab;
    tab->CursorIndex = kPanelHandCursor;
    tab->Movable = 0;
    return PlaceObject(std::move(tab), parent, kSideTabX, y, true);
}

CQVObj* CreatePagePanel(LMObj* root, int x, int pngId)
{
    OwnedObject<CQVObj> page(new CQVObj);
    auto show = MakeFadeState(L"Show", pngId, 0, 255, kPageFadeFrames);
    auto hide = MakeFadeState(L"Hide", pngId, 255, 0, kPageFadeFrames);
    if (!show || !hide)
        return nullptr;
    show->SetHitMode(LMHitWholeFrame);
    hide->SetHitMode(LMHitWholeFrame);
    AddAllStates(*page, std::move(show), std::move(hide));
    page->HoverMode = CQVHoverPagePanel;
    page->Movable = 0;
    return PlaceObject(std::move(page), root, x, 0, false);
}

CQVObj* CreateImageTab(LMObj* parent, int controlId, int x, int y)
{
    OwnedObject<CQVObj> tab(new CQVObj);
    if (!AddAllStates(*tab, MakeImageTabState(L"Default", kPngImageTab.Id),
                      MakeImageTabState(L"Selected", kPngImageTabSelected.Id)))
        return nullptr;
    tab->ControlId = controlId;
    tab->CursorIndex = kPanelHandCursor;
    tab->Movable = 0;
    return PlaceObject(std::move(tab), parent, x, y, true);
}

CQVObj* CreateImageObject(LMObj* parent, int x, int y, int pngId)
{
    OwnedObject<CQVObj> image(new CQVObj);
    if (!AddAllStates(*image, MakeSkinState(L"Default", pngId)))
        return nullptr;
    image->Movable = 0;
    return PlaceObject(std::move(image), parent, x, y, true);
}

CQVObj* CreateFrameObject(LMObj* parent, int x, int y, int width, int height, int left, int right,
                          int top, int bottom, int pngId)
{
    auto state = MakeSkinState(L"Default", pngId);
    if (!state || !state->ResizeBitmap(width, height, left, right, top, bottom, 1, 1))
        return nullptr;
    state->SetHitMode(LMHitNever);
    OwnedObject<CQVObj> frame(new CQVObj);
    AddAllStates(*frame, std::move(state));
    frame->Movable = 0;
    return PlaceObject(std::move(frame), parent, x, y, true);
}

CQVObj* CreateInfoPanel(LMObj* page)
{
    auto state = std::make_unique<LMRectangularState>(L"Default", kInfoPanelColor,
                                                      kInfoPanelBorderAlpha, kInfoPanelColor, 255);
    state->SetSize(kInfoPanelWidth, kInfoPanelHeight);
    state->PassThrough = 0;
    state->SetHitMode(LMHitWholeFrame);
    OwnedObject<CQVObj> panel(new CQVObj);
    AddAllStates(*panel, std::move(state));
    panel->Movable = 0;
    return PlaceObject(std::move(panel), page, kInfoPanelX, kInfoPanelY, true);
}

CQVObj* CreateBlankObject(LMObj* parent, int x, int y, int width, int height)
{
    auto state = std::make_unique<LMBlankState>(L"Default");
    state->SetSize(width, height);
    state->SetHitMode(LMHitWholeFrame);
    OwnedObject<CQVObj> blank(new CQVObj);
    AddAllStates(*blank, std::move(state));
    blank->Movable = 0;
    return PlaceObject(std::move(blank), parent, x, y, true);
}
