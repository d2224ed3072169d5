#include "ShadowPreview.h"

#include "CQVSliderObj.h"
#include "LibraryRows.h"
#include "PanelSettings.h"
#include "PanelState.h"

namespace {

constexpr wchar_t kModified[] = L"mod";
// The preview object's position that centres a picture in the 242 x 171
// box, as the page lays the box and the object out.
constexpr int kCentreWidth = 574;
constexpr int kCentreHeight = 175;
constexpr int kLeftShift = 165;
constexpr int kTopShift = 1;

// The shadow values each slider sets.
int32_t* SliderSetting(int controlId)
{
    switch (controlId) {
    case 18:
        return &ShadowValues.ShadowSharpness;
    case 19:
        return &ShadowValues.ShadowDark;
    case 32:
        return &ShadowValues.ShadowX;
    case 33:
        return &ShadowValues.ShadowY;
    default:
        return nullptr;
    }
}

}  // namespace

std::unique_ptr<LMBitmapState> CopyAtOrigin(const wchar_t* name, const LMBitmapState& source)
{
    auto copy = std::make_unique<LMBitmapState>(name, source, true);
    copy->OffsetX = 0;
    copy->OffsetY = 0;
    return copy;
}

void AddPanelShadow(LMBitmapState& state)
{
    if (ShadowValues.DisableShadow == 1)
        return;
    state.AddShadow(ShadowValues.ShadowX, ShadowValues.ShadowY, ShadowValues.ShadowSharpness,
                    ShadowValues.ShadowDark);
}

void RenderShadowPreview()
{
    LMObj* preview = ShadowPage.Preview;
    if (preview && ShadowPage.Original) {
        preview->RemoveState(kModified);
        auto state = CopyAtOrigin(kModified, *ShadowPage.Original);
        AddPanelShadow(*state);
        // The whole picture, shadow included, is centred.
        const int x = (kCentreWidth - state->FrameWidth) / 2 - kLeftShift;
        const int y = (kCentreHeight - state->FrameHeight) / 2 - kTopShift;
        preview->AddState(state.release());
        preview->ChangeState(kModified);
        preview->MoveTo(x, y);
    }
    SaveShadowSettings();
}

void OnSliderValue(CQVSliderObj* slider, int value)
{
    int32_t* setting = slider ? SliderSetting(slider->ControlId) : nullptr;
    if (!setting)
        return;
    *setting = value;
    RenderShadowPreview();
}

void SetShadowMode(int mode)
{
    ShadowPage.Mode = mode;
    const bool light = mode == 1;
    SetShown(ShadowPage.LightLink, !light);
    SetShown(ShadowPage.OffsetLink, light);
    SetShown(ShadowPage.LightPart, light);
    SetShown(ShadowPage.OffsetPart, !light);
    SetShown(ShadowPage.OffsetText, !light);
    SetShown(ShadowPage.LightText, light);
}
