// The factories of text widgets: labels, text tabs and links.

#include "FactorySupport.h"
#include "PanelFactories.h"
#include "PanelState.h"

namespace {

// The drop shadow under shadowed labels.
constexpr int kLabelShadowOffset = 1;
constexpr int kLabelShadowSharpness = 6;
constexpr int kLabelShadowDarkness = 220;
constexpr int kTextTabY = 5;

}  // namespace

CQVObj* CreateTextLabel(LMObj* parent, int x, int y, const wchar_t* text, int size, int bold,
                        COLORREF color, int width, int shadow)
{
    OwnedObject<CQVObj> label(new CQVObj);
    auto state = MakeTextState(L"Default", text, size, bold, 0, color, kTextLeft, width);
    if (shadow) {
        state->AddShadow(kLabelShadowOffset, kLabelShadowOffset, kLabelShadowSharpness,
                         kLabelShadowDarkness);
    }
    state->SetHitMode(LMHitWholeFrame);
    AddAllStates(*label, std::move(state));
    label->Movable = 0;
    return PlaceObject(std::move(label), parent, x, y, true);
}

CQVObj* CreateTextTab(LMObj* parent, int x, const wchar_t* text)
{
    OwnedObject<CQVObj> tab(new CQVObj);
    const int size = PanelSizes.LabelSize;
    auto normal = MakeTextState(L"Default", text, size, 0, 0, kTabTextColor, kTextLeft, 0);
    auto selected =
        MakeTextState(L"Selected", text, size, 0, 0, kTabSelectedTextColor, kTextLeft, 0);
    normal->SetHitMode(LMHitNever);
    selected->SetHitMode(LMHitNever);
    AddAllStates(*tab, std::move(normal), std::move(selected));
    tab->Movable = 0;
    return PlaceObject(std::move(tab), parent, x, kTextTabY, true);
}

CQVObj* CreateLinkText(LMObj* parent, int controlId, int x, int y, const wchar_t* text,
                       int styleBits)
{
    OwnedObject<CQVObj> link(new CQVObj);
    const int size = PanelSizes.LabelSize;
    const int bold = (styleBits & kLinkBold) ? 1 : 0;
    auto normal = MakeTextState(L"Default", text, size, bold, 0, kLinkTextColor, kTextLeft, 0);
    auto over = MakeTextState(L"Over", text, size, bold, 1, kLinkTextColor, kTextLeft, 0);
    normal->SetHitMode(LMHitWholeFrame);
    over->SetHitMode(LMHitWholeFrame);
    AddAllStates(*link, std::move(normal), std::move(over));
    link->ControlId = controlId;
    link->HoverMode = CQVHoverButton;
    link->CursorIndex = kPanelHandCursor;
    link->Movable = 0;
    return PlaceObject(std::move(link), parent, x, y, true);
}
