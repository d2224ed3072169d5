// The options pane's values, tabs, shadow modes and preview; its pages are
// built in OptionsPages.cpp.

#include "COptionsPane.h"

#include "CQVOptionsObj.h"
#include "CQVSliderObj.h"
#include "ChildDialogs.h"
#include "CplResources.h"
#include "CplSettings.h"
#include "LMBitmapState.h"
#include "SettingsPage.h"
#include "ShadowSettings.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace cpl {

COptionsPane OptionsPane;

namespace {

constexpr wchar_t kSourceState[] = L"ori";
constexpr wchar_t kShownState[] = L"mod";
constexpr wchar_t kEmptyState[] = L"null";

int32_t SaturatedSum(int32_t a, int32_t b)
{
    int64_t sum = static_cast<int64_t>(a) + b;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

void ShowObject(LMObj* object, bool show)
{
    if (object && show)
        object->Show();
    else if (object)
        object->Hide();
}

}  // namespace

void COptionsPane::Create(HWND host)
{
    Host = host;
    Load();
    TabArea = CreateDialogOver(host, IDD_CPL_TAB_AREA, PlainDialogProc, IDC_CPL_TAB_AREA);
    auto* area = objects_.Keep(std::make_unique<CQVObj>(TabArea));
    area->Movable = 0;
    area->Realize();
    area->Show();
    BuildFrameAndPreview(*area);
    tabs_[0] = objects_.Keep(CreateTabButton(area, 5, 0, L"Opacity", kOpacityTab));
    tabs_[1] = objects_.Keep(CreateTabButton(area, 100, 0, L"Shadow", kShadowTab));
    tabs_[2] = objects_.Keep(CreateTabButton(area, 200, 0, L"Color", kColorTab));
    BuildOpacityPage();
    BuildShadowPage();
    BuildColorPage();
    SelectTab(kOpacityTab);
    Tab(kOpacityTab)->ChangeState(L"AwaySelected");
    SetShadowMode(Values.ShadowDynamic);
}

void COptionsPane::Destroy()
{
    objects_.Clear();
    std::fill(std::begin(tabs_), std::end(tabs_), nullptr);
    std::fill(std::begin(sliders_), std::end(sliders_), nullptr);
    std::fill(std::begin(staticLooks_), std::end(staticLooks_), nullptr);
    std::fill(std::begin(dynamicLooks_), std::end(dynamicLooks_), nullptr);
    Preview = OpacityPage = ShadowPage = ColorPage = LightPage = nullptr;
    frame_ = nullptr;
    Host = TabArea = nullptr;
}

void COptionsPane::Load()
{
    const SettingsLocation& settings = PageSettings();
    Values = LoadOptionValues(settings.Root, settings.Key.c_str());
    // Drags move the stored shadow, not one that starts at 0.
    DragOffset = {Values.ShadowX, Values.ShadowY};
    DragDelta = {};
}

int COptionsPane::Save()
{
    const SettingsLocation& settings = PageSettings();
    return SaveOptionValues(Values, settings.Root, settings.Key.c_str());
}

void COptionsPane::Cancel()
{
}

void COptionsPane::NotifyChanged()
{
    NotifyPageChanged();
}

CQVOptionsObj* COptionsPane::Tab(int32_t id) const
{
    for (CQVOptionsObj* tab : tabs_) {
        if (tab && tab->Id == id)
            return tab;
    }
    return nullptr;
}

CQVSliderObj* COptionsPane::Slider(int32_t id) const
{
    if (id < kOpacitySlider || id > kCursorHeightSlider)
        return nullptr;
    return sliders_[id - kOpacitySlider];
}

void COptionsPane::SelectTab(int32_t id)
{
    for (CQVOptionsObj* tab : tabs_) {
        if (tab)
            tab->ChangeState(L"Away");
    }
    ShowObject(OpacityPage, false);
    ShowObject(ShadowPage, false);
    ShowObject(ColorPage, false);
    SelectedTab = id;
    if (CQVOptionsObj* tab = Tab(id))
        tab->ChangeState(L"OverSelected");
    ShowObject(id == kOpacityTab ? OpacityPage : id == kShadowTab ? ShadowPage : ColorPage, true);
}

void COptionsPane::SetShadowMode(int dynamic)
{
    Values.ShadowDynamic = dynamic;
    NotifyChanged();
    for (CQVObj* look : staticLooks_)
        ShowObject(look, dynamic == 0);
    for (CQVObj* look : dynamicLooks_)
        ShowObject(look, dynamic != 0);
    ShowObject(LightPage, dynamic != 0);
}

void COptionsPane::OnLButtonUp(CQVObj& object, int, int, int)
{
    switch (object.Id) {
    case kOpacityTab:
    case kColorTab:
    case kShadowTab:
        SelectTab(object.Id);
        break;
    case kStaticModeButton:
        SetShadowMode(0);
        break;
    case kDynamicModeButton:
        SetShadowMode(1);
        break;
    default:
        break;
    }
}

void COptionsPane::OnRButtonUp(CQVObj&, int, int, int)
{
}

// The preview stays where it is; the distance dragged moves the shadow.
void COptionsPane::OnDrag(CQVObj& object, int, int, int newX, int newY)
{
    if (object.Id != kShadowPreview)
        return;
    DragDelta = {SaturatedSum(newX, -object.VisibleX), SaturatedSum(newY, -object.VisibleY)};
    Values.ShadowX = SaturatedSum(DragOffset.x, DragDelta.x);
    Values.ShadowY = SaturatedSum(DragOffset.y, DragDelta.y);
    NotifyChanged();
    RefreshPreview();
}

void COptionsPane::OnDragEnd(CQVObj& object)
{
    if (object.Id != kShadowPreview)
        return;
    DragOffset = {SaturatedSum(DragOffset.x, DragDelta.x), SaturatedSum(DragOffset.y, DragDelta.y)};
    DragDelta = {};
}

// The Opacity, Color and light sliders only move.
void COptionsPane::OnSliderValue(int32_t id, int value)
{
    if (id != kDarknessSlider && id != kSharpnessSlider)
        return;
    NotifyChanged();
    (id == kDarknessSlider ? Values.ShadowDark : Values.ShadowSharpness) = value;
    RefreshPreview();
}

void COptionsPane::SetSourceImage(const LMBitmapState* state)
{
    if (!Preview)
        return;
    Preview->RemoveState(kShownState);
    Preview->RemoveState(kSourceState);
    if (!state) {
        Preview->ChangeState(kEmptyState, LMRequestImmediate, 0);
        return;
    }
    auto* source = new LMBitmapState(kSourceState, *state, true);
    source->SetHitMode(LMHitWholeFrame);
    Preview->AddState(source);
    RefreshPreview();
    Preview->MoveTo((frame_->VisibleWidth - Preview->VisibleWidth) / 2,
                    (frame_->VisibleHeight - Preview->VisibleHeight) / 2);
}

void COptionsPane::RefreshPreview()
{
    auto* source =
        Preview ? static_cast<LMBitmapState*>(Preview->FindState(kSourceState)) : nullptr;
    if (!source)
        return;
    Preview->RemoveState(kShownState);
    auto* shown = new LMBitmapState(kShownState, *source, true);
    shown->RampStart = std::clamp(Values.Transparency, 0, 255);
    if (Values.HueShift != 0 && shown->Bitmap)
        shown->Bitmap->AdjustColors(Values.HueShift, 0, 0);
    ShadowSettings shadow = ClampShadowSettings(
        {Values.ShadowX, Values.ShadowY, Values.ShadowDark, Values.ShadowSharpness});
    shown->AddShadow(shadow.ShadowX, shadow.ShadowY, shadow.ShadowSharpness, shadow.ShadowDark);
    Preview->AddState(shown);
    Preview->ChangeState(kShownState, LMRequestImmediate, 0);
}

}  // namespace cpl
