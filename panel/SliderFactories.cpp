// The slider factories: a knob, and a framed track with knob and caption.

#include "FactorySupport.h"
#include "PanelFactories.h"
#include "PanelImages.h"
#include "PanelState.h"
#include "SkinImages.h"

namespace {

constexpr int kTrackEnd = 10;     // the frame's left and right borders
constexpr int kKnobRise = 10;     // the knob's top above the frame's
constexpr int kCaptionRise = 28;  // the caption's top above the frame's

}  // namespace

// The knob stays movable: dragging it is what a slider is for.
CQVSliderObj* CreateSlider(LMObj* parent, int x, int y, int trackMin, int trackMax, int valueMin,
                           int valueMax)
{
    OwnedObject<CQVSliderObj> knob(new CQVSliderObj(trackMin, trackMax, valueMin, valueMax));
    if (!AddAllStates(*knob, MakeSkinState(L"Default", kPngSliderKnob.Id),
                      MakeSkinState(L"Over", kPngSliderKnobOver.Id)))
        return nullptr;
    return PlaceObject(std::move(knob), parent, x, y, true);
}

SliderGroup CreateSliderGroup(LMObj* parent, int frameX, int frameY, int frameWidth, int framePngId,
                              int controlId, int initialValue, int valueMin, int valueMax,
                              const wchar_t* caption)
{
    OwnedObject<CQVObj> frame(CreateFrameObject(parent, frameX, frameY, frameWidth, 0, kTrackEnd,
                                                kTrackEnd, 0, 0, framePngId));
    if (!frame)
        return {};
    OwnedObject<CQVSliderObj> knob(CreateSlider(parent, frameX, frameY - kKnobRise, frameX,
                                                frameX + frameWidth - kTrackEnd, valueMin,
                                                valueMax));
    if (!knob)
        return {};
    knob->ControlId = controlId;
    SetSliderValue(knob.get(), initialValue);
    CQVObj* label = nullptr;
    if (caption && *caption) {
        label = CreateTextLabel(parent, frameX, frameY - kCaptionRise, caption,
                                PanelSizes.LabelSize, 0, RGB(0, 0, 0), 0, 0);
        if (!label)
            return {};
        label->MoveTo(frameX + (frameWidth - label->VisibleWidth) / 2, frameY - kCaptionRise);
    }
    return {frame.release(), knob.release(), label};
}
