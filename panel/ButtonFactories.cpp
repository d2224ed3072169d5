// The push-button factory: a stretched picture trio, a glyph for styles 1
// and 2, and an optional centred caption.

#include "FactorySupport.h"
#include "PanelFactories.h"
#include "PanelImages.h"
#include "PanelState.h"
#include "SkinImages.h"

namespace {

struct ButtonLook {
    int Default;
    int Over;
    int Down;
    int SideBorder;
    int EndBorder;  // top and bottom
    int Glyph;      // 0: none
};

constexpr int kGlyphOffset = 5;

// By style: the plain button and the two with a glyph.
const ButtonLook kButtonLooks[] = {
    {kPngButtonDefault.Id, kPngButtonOver.Id, kPngButtonDown.Id, 7, 7, 0},
    {kPngSmallButtonDefault.Id, kPngSmallButtonOver.Id, kPngSmallButtonDown.Id, 5, 0,
     kPngGlyphUp.Id},
    {kPngGlyphButtonDefault.Id, kPngGlyphButtonOver.Id, kPngGlyphButtonDown.Id, 5, 0,
     kPngGlyphDown.Id},
};

bool LookOfStyle(int style, ButtonLook* look)
{
    if (style < kButtonPlain || style > kButtonDownGlyph)
        return false;
    *look = kButtonLooks[style];
    return true;
}

std::unique_ptr<LMBitmapState> MakeButtonState(const wchar_t* name, int pngId, int width,
                                               int height, const ButtonLook& look)
{
    auto state = MakeSkinState(name, pngId);
    if (!state || !state->ResizeBitmap(width, height, look.SideBorder, look.SideBorder,
                                       look.EndBorder, look.EndBorder, 1, 1))
        return nullptr;
    return state;
}

// Children of the button are never hit, so presses reach the button.
bool AddGlyph(LMObj* button, int pngId)
{
    CQVObj* glyph = CreateImageObject(button, kGlyphOffset, kGlyphOffset, pngId);
    if (!glyph)
        return false;
    glyph->CurrentState->SetHitMode(LMHitNever);
    return true;
}

bool AddCaption(LMObj* button, int width, int height, const wchar_t* caption)
{
    auto state = MakeTextState(L"Default", caption, PanelSizes.LabelSize, 0, 0, kButtonCaptionColor,
                               kTextCentre, width);
    state->SetHitMode(LMHitNever);
    const int y = (height - state->FrameHeight) / 2;
    OwnedObject<CQVObj> label(new CQVObj);
    AddAllStates(*label, std::move(state));
    label->Movable = 0;
    return PlaceObject(std::move(label), button, 0, y, true) != nullptr;
}

}  // namespace

CQVObj* CreatePushButton(LMObj* parent, int controlId, int x, int y, int width, int height,
                         int style, const wchar_t* caption)
{
    ButtonLook look{};
    if (!parent || !LookOfStyle(style, &look))
        return nullptr;
    OwnedObject<CQVObj> button(new CQVObj);
    if (!AddAllStates(*button, MakeButtonState(L"Default", look.Default, width, height, look),
                      MakeButtonState(L"Over", look.Over, width, height, look),
                      MakeButtonState(L"Down", look.Down, width, height, look)))
        return nullptr;
    button->ControlId = controlId;
    button->HoverMode = CQVHoverButton;
    button->CursorIndex = kPanelHandCursor;
    button->Movable = 0;
    CQVObj* placed = PlaceObject(std::move(button), parent, x, y, true);
    OwnedObject<CQVObj> owner(placed);
    if ((look.Glyph && !AddGlyph(placed, look.Glyph)) ||
        (caption && *caption && !AddCaption(placed, width, height, caption)))
        return nullptr;
    return owner.release();
}
