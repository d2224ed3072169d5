// The options pane's objects: the frame with the shadow preview, and the
// Opacity, Shadow (with its dynamic-light part) and Color pages.

#include "COptionsPane.h"

#include "CQVObj.h"
#include "CQVSliderObj.h"
#include "ChildDialogs.h"
#include "CplResources.h"
#include "LMBlankState.h"
#include "ObjectFactories.h"

#include <algorithm>

namespace cpl {

namespace {

constexpr int kFrameTop = 20;
constexpr int kPageWidth = 380;
constexpr int kPageHeight = 340;
constexpr int kMoveCursor = 12;
constexpr int kTrackHeight = 10;
constexpr int kTrackMargin = 10;
constexpr int kLabelAboveTrack = 24;
constexpr int kKnobAboveTrack = 10;
constexpr int kOpacityTrack = 240;
constexpr int kShadowTrack = 140;
constexpr int kColorTrack = 210;

struct SliderSpec {
    int32_t Id;
    int TrackX, TrackY, TrackWidth;
    const wchar_t* Label;  // null: none
    int KnobX, TrackMin, TrackMax, ValueMin, ValueMax;
    int32_t OptionValues::*Value;
};

const SliderSpec kSliders[] = {
    {kOpacitySlider, 76, 290, kOpacityTrack, L"Opacity", 110, 76, kOpacityTrack + 71, 128, 255,
     &OptionValues::Transparency},
    {kSharpnessSlider, 20, 290, kShadowTrack, L"Sharpness", 20, 20, kShadowTrack + 15, 0, 100,
     &OptionValues::ShadowSharpness},
    {kDarknessSlider, 235, 290, kShadowTrack, L"Darkness", 235, 235, kShadowTrack + 230, 0, 255,
     &OptionValues::ShadowDark},
    {kLightXSlider, 20, 65, kShadowTrack, L"Light X", 20, 20, kShadowTrack + 15, -1000, 1000,
     &OptionValues::LightX},
    {kLightYSlider, 235, 65, kShadowTrack, L"Light Y", 235, 235, kShadowTrack + 230, -1000, 1000,
     &OptionValues::LightY},
    {kLightHeightSlider, 20, 104, kShadowTrack, L"Light Height", 20, 20, kShadowTrack + 15, 0, 2000,
     &OptionValues::LightHeight},
    {kCursorHeightSlider, 235, 104, kShadowTrack, L"Cursor Height", 235, 235, kShadowTrack + 230, 0,
     200, &OptionValues::CursorHeight},
    {kHueSlider, 55, 292, kColorTrack, nullptr, 55, 50, kColorTrack + 45, 0, 255,
     &OptionValues::HueShift},
};

std::unique_ptr<CQVObj> Text(LMObj* parent, int x, int y, const wchar_t* text, int bold = 0)
{
    return CreateTextObj(parent, x, y, text, kPageFace, kPageTextSize, bold, 0, kTextLeft);
}

// A blank area that lets the mouse through to what lies below. It covers
// the frame when the frame is the larger (dialog units grow with the
// font): a child is only ever repainted within its parent.
std::unique_ptr<CQVObj> Page(LMObj* parent, const LMObj& frame)
{
    auto page = CreateBlankObj(parent, 0, 0, std::max(kPageWidth, frame.VisibleWidth),
                               std::max(kPageHeight, frame.VisibleHeight));
    page->CurrentState->SetHitMode(LMHitNever);
    page->Movable = 0;
    return page;
}

}  // namespace

void COptionsPane::BuildFrameAndPreview(CQVObj& area)
{
    SIZE size = ClientSize(TabArea);
    std::unique_ptr<CQVObj> frame = CreateFrameObj(
        &area, 0, kFrameTop, size.cx, size.cy - kFrameTop, 7, 7, 7, 7, IDP_CPL_OPTIONS_FRAME);
    if (frame->CurrentState)
        frame->CurrentState->SetHitMode(LMHitWholeFrame);
    frame->Movable = 0;
    frame_ = objects_.Keep(std::move(frame));

    auto preview = std::make_unique<CQVObj>(LMObjWindowless);
    preview->Id = kShadowPreview;
    preview->Movable = 0;
    preview->CursorIndex = kMoveCursor;
    auto* empty = new LMBlankState(L"null");
    empty->SetSize(10, 10);
    preview->AddState(empty);
    PlaceObject(*preview, frame_, 0, 0);
    Preview = objects_.Keep(std::move(preview));
}

void COptionsPane::AddSlider(CQVObj& page, int32_t id)
{
    for (const SliderSpec& spec : kSliders) {
        if (spec.Id != id)
            continue;
        objects_.Keep(CreateFrameObj(&page, spec.TrackX, spec.TrackY, spec.TrackWidth, kTrackHeight,
                                     kTrackMargin, 0, kTrackMargin, 0, IDP_CPL_SLIDER_TRACK));
        if (spec.Label) {
            CQVObj* label = objects_.Keep(Text(&page, 0, 0, spec.Label));
            label->MoveTo(spec.TrackX + (spec.TrackWidth - label->VisibleWidth) / 2,
                          spec.TrackY - kLabelAboveTrack);
        }
        sliders_[id - kOpacitySlider] = objects_.Keep(CreateSliderObj(
            &page, spec.KnobX, spec.TrackY - kKnobAboveTrack, id, IDP_CPL_SLIDER_KNOB,
            spec.TrackMin, spec.TrackMax, spec.ValueMin, spec.ValueMax, Values.*spec.Value));
    }
}

void COptionsPane::BuildOpacityPage()
{
    OpacityPage = objects_.Keep(Page(frame_, *frame_));
    objects_.Keep(Text(OpacityPage, 10, 10, L"Drag the slider to modify the cursor opacity"));
    AddSlider(*OpacityPage, kOpacitySlider);
}

void COptionsPane::BuildShadowPage()
{
    ShadowPage = objects_.Keep(Page(frame_, *frame_));
    objects_.Keep(Text(ShadowPage, 10, 10, L"Shadow type:"));
    staticLooks_[1] = objects_.Keep(Text(ShadowPage, 100, 10, L"Static"));
    dynamicLooks_[1] = objects_.Keep(Text(ShadowPage, 100, 10, L"Dynamic", 1));
    const struct {
        int32_t Id;
        const wchar_t* Text;
    } buttons[] = {{kDynamicModeButton, L"Change to dynamic mode"},
                   {kStaticModeButton, L"Change to static mode"}};
    for (const auto& spec : buttons) {
        CQVObj* button =
            objects_.Keep(CreateTextButton(ShadowPage, 0, 10, spec.Text, kPageFace, kPageTextSize,
                                           kLinkAwayColor, kLinkOverColor, 0));
        button->Id = spec.Id;
        button->MoveTo(ShadowPage->VisibleWidth - 10 - button->VisibleWidth, 10);
        (spec.Id == kDynamicModeButton ? staticLooks_[0] : dynamicLooks_[0]) = button;
    }
    staticLooks_[2] = objects_.Keep(
        Text(ShadowPage, 10, 30,
             L"Press the mouse button and drag the cursor picture to move the\rshadow.\rUse "
             L"sharpness and darkness controls to customize the shadow\rappearance."));
    AddSlider(*ShadowPage, kSharpnessSlider);
    AddSlider(*ShadowPage, kDarknessSlider);
    BuildLightPage();
}

void COptionsPane::BuildLightPage()
{
    LightPage = objects_.Keep(Page(ShadowPage, *frame_));
    for (int32_t id = kLightXSlider; id <= kCursorHeightSlider; ++id)
        AddSlider(*LightPage, id);
}

void COptionsPane::BuildColorPage()
{
    ColorPage = objects_.Keep(Page(frame_, *frame_));
    objects_.Keep(Text(ColorPage, 10, 10, L"Drag the slider to offset the color palette"));
    CQVObj* strip = objects_.Keep(CreateBlankObj(ColorPage, 15, 240, 300, 40));
    strip->CurrentState->SetHitMode(LMHitNever);
    objects_.Keep(CreateBitmapObj(strip, 0, 0, IDP_CPL_ORIGINAL_COLORS));
    objects_.Keep(CreateBitmapObj(strip, 0, 12, IDP_CPL_PROCESSED_COLORS));
    objects_.Keep(CreateBitmapObj(strip, 0, 0, IDP_CPL_COLOR_STRIP_FRAME));
    objects_.Keep(Text(ColorPage, 320, 235, L"Original"));
    objects_.Keep(Text(ColorPage, 320, 255, L"Processed"));
    AddSlider(*ColorPage, kHueSlider);
}

}  // namespace cpl
