#pragma once
// The page's second pane (options host, dialog 104): the Opacity, Shadow and
// Color tabs with their sliders, a live preview of the chosen theme's first
// picture with its shadow, and the eleven settings the page stores.

#include "OptionValues.h"
#include "OwnedObjects.h"

#include <windows.h>

class LMBitmapState;

namespace cpl {

class CQVObj;
class CQVOptionsObj;
class CQVSliderObj;

// Object ids of the pane.
enum OptionsId : int32_t {
    kOpacityTab = 201,
    kColorTab = 202,
    kShadowTab = 203,
    kShadowPreview = 204,
    kStaticModeButton = 206,
    kDynamicModeButton = 207,
    kOpacitySlider = 208,
    kHueSlider = 209,
    kDarknessSlider = 210,
    kSharpnessSlider = 211,
    kLightXSlider = 212,
    kLightYSlider = 213,
    kLightHeightSlider = 214,
    kCursorHeightSlider = 215,
    kOptionsIdEnd
};

class COptionsPane {
public:
    void Create(HWND host);
    // Deletes the pane's objects with the page that showed them.
    void Destroy();
    // Reads the eleven values; the shadow drag starts again from the stored offset.
    void Load();
    // Stores the values that changed (from the page's Apply); how many.
    int Save();
    void Cancel();
    void SetShadowMode(int dynamic);
    // The picture to preview ("ori"), copied; null shows none.
    void SetSourceImage(const LMBitmapState* state);
    // Builds the shown picture ("mod") from "ori" and the values.
    void RefreshPreview();
    void NotifyChanged();

    void OnLButtonUp(CQVObj& object, int x, int y, int dragged);
    void OnRButtonUp(CQVObj& object, int x, int y, int dragged);
    void OnDrag(CQVObj& object, int x, int y, int newX, int newY);
    void OnDragEnd(CQVObj& object);
    // A slider's new value.
    void OnSliderValue(int32_t id, int value);

    CQVOptionsObj* Tab(int32_t id) const;
    CQVSliderObj* Slider(int32_t id) const;

    HWND Host = nullptr;
    HWND TabArea = nullptr;  // dialog 105 over control 1008
    int32_t SelectedTab = 0;
    OptionValues Values;
    // The current drag of the preview and the offset of the drags before it.
    POINT DragDelta{};
    POINT DragOffset{};
    CQVObj* Preview = nullptr;
    CQVObj* OpacityPage = nullptr;
    CQVObj* ShadowPage = nullptr;
    CQVObj* ColorPage = nullptr;
    CQVObj* LightPage = nullptr;  // the dynamic-light part of the shadow page

private:
    void BuildFrameAndPreview(CQVObj& area);
    void BuildOpacityPage();
    void BuildShadowPage();
    void BuildLightPage();
    void BuildColorPage();
    void AddSlider(CQVObj& page, int32_t id);
    void SelectTab(int32_t id);

    OwnedObjects objects_;
    LMObj* frame_ = nullptr;
    CQVOptionsObj* tabs_[3] = {};
    CQVSliderObj* sliders_[kCursorHeightSlider - kOpacitySlider + 1] = {};
    // "Change to dynamic mode", "Static", the help text; then "Change to
    // static mode" and "Dynamic": shown in static and in dynamic mode.
    CQVObj* staticLooks_[3] = {};
    CQVObj* dynamicLooks_[2] = {};
};

// The library's one options pane.
extern COptionsPane OptionsPane;

}  // namespace cpl
