// The options pane on a page of its own: the eleven values, the sliders,
// the shadow drag, the tabs and the shadowed preview picture.

#include "CplTestSupport.h"

#include "COptionsPane.h"
#include "CQVOptionsObj.h"
#include "CQVSliderObj.h"
#include "LMBitmapState.h"

#include <memory>

using namespace cpl;

namespace {

// A one-frame opaque picture.
std::unique_ptr<LMBitmapState> Picture(int side)
{
    auto* bitmap = new LMBitmap(side, side, LMBitmapHasAlpha);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            *bitmap->PixelAt(x, y) = 0xFF2080E0;
    }
    return std::make_unique<LMBitmapState>(L"Default", bitmap);
}

LMBitmapState* Shown()
{
    return static_cast<LMBitmapState*>(OptionsPane.Preview->FindState(L"mod"));
}

// What "mod" looks like: its size and the sum of its alpha bytes.
int64_t Look()
{
    const LMBitmapState* shown = Shown();
    if (!shown)
        return -1;
    int64_t sum = shown->FrameWidth * 1000000ll + shown->FrameHeight * 1000ll;
    const LMBitmap& bitmap = *shown->Bitmap;
    for (int y = 0; y < bitmap.Height; ++y) {
        for (int x = 0; x < bitmap.Width; ++x)
            sum += *bitmap.PixelAt(x, y) >> 24;
    }
    return sum;
}

CQVObj* ById(const LMObj* parent, int32_t id)
{
    for (LMObj* child : parent->Children) {
        auto* object = dynamic_cast<CQVObj*>(child);
        if (object && object->Id == id)
            return object;
    }
    return nullptr;
}

const struct {
    const wchar_t* Name;
    int32_t Default;
} kDefaults[] = {{L"ShadowX", 8},         {L"ShadowY", 8},        {L"ShadowDark", 192},
                 {L"ShadowSharpness", 8}, {L"Transparency", 255}, {L"HueShift", 0},
                 {L"ShadowDynamic", 0},   {L"LightX", -65},       {L"LightY", -700},
                 {L"LightHeight", 930},   {L"CursorHeight", 26}};

using OptionsPaneTest = PageFixture;

}  // namespace

TEST_F(OptionsPaneTest, ApplyWritesBackOnlyTheValuesThatChanged)
{
    ASSERT_NE(nullptr, OpenPage());
    for (size_t i = 0; i < std::size(kDefaults); ++i)
        EXPECT_EQ(kDefaults[i].Default, OptionsPane.Values.*kOptionValueNames[i].Member)
            << kDefaults[i].Name;
    ClosePage();

    settings_.Set(L"ShadowX", REG_DWORD, Dword(4));
    settings_.Set(L"LightY", REG_DWORD, Dword(-300));
    ASSERT_NE(nullptr, OpenPage());
    Apply();
    for (const auto& value : kDefaults) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(value.Name)));
        int32_t expected = value.Name == std::wstring(L"ShadowX")  ? 4
                           : value.Name == std::wstring(L"LightY") ? -300
                                                                   : value.Default;
        std::string bytes;
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), settings_.Read(value.Name, &bytes));
        EXPECT_EQ(Dword(expected), bytes);
    }
    std::string bytes;
    EXPECT_EQ(static_cast<DWORD>(REG_NONE), settings_.Read(L"DisableShadow", &bytes));
    EXPECT_EQ(0, OptionsPane.Save());
    ClosePage();

    // The sliders of values the pane only shows move and set nothing; a
    // stored shadow far out of range is drawn held in and kept as it is.
    const struct {
        const wchar_t* Name;
        int32_t Stored;
        int32_t Slider;
    } kept[] = {{L"Transparency", 150, kOpacitySlider},
                {L"HueShift", 7, kHueSlider},
                {L"LightHeight", 1200, kLightHeightSlider},
                {L"CursorHeight", 40, kCursorHeightSlider},
                {L"ShadowX", 1000000, 0},
                {L"ShadowY", -1000000, 0}};
    for (const auto& value : kept)
        settings_.Set(value.Name, REG_DWORD, Dword(value.Stored));
    ASSERT_NE(nullptr, OpenPage());
    OptionsPane.SetSourceImage(Picture(32).get());
    ASSERT_NE(nullptr, Shown());
    EXPECT_LT(Shown()->FrameWidth, 32 + 2 * 600);
    for (const auto& value : kept) {
        if (CQVSliderObj* slider = OptionsPane.Slider(value.Slider))
            slider->OnDrag(0, 0, slider->TrackMax, slider->VisibleY);
    }
    Apply();
    for (const auto& value : kept) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(value.Name)));
        settings_.Read(value.Name, &bytes);
        EXPECT_EQ(Dword(value.Stored), bytes);
    }
}

TEST_F(OptionsPaneTest, SlidersHoldTheirKnobsOnTheTrackAndSetOnlyTheShadowValues)
{
    ASSERT_NE(nullptr, OpenPage());
    CQVSliderObj& opacity = *OptionsPane.Slider(kOpacitySlider);
    EXPECT_TRUE(opacity.TrackMin == 76 && opacity.TrackMax == 311);
    opacity.SetKnob(200);
    EXPECT_EQ(209, opacity.VisibleX);
    OptionsPane.SetSourceImage(Picture(32).get());
    const CQVSliderObj& darkness = *OptionsPane.Slider(kDarknessSlider);
    const CQVSliderObj& sharpness = *OptionsPane.Slider(kSharpnessSlider);
    struct Row {
        int32_t Id;
        int To, Knob, Value;
        int32_t OptionValues::*Stored;  // null: the pane keeps its values
    } rows[] = {
        {kOpacitySlider, 77, 77, 128, nullptr},
        {kOpacitySlider, 400, 311, 255, nullptr},
        {kOpacitySlider, 10, 76, 128, nullptr},
        {kDarknessSlider, darkness.TrackMax, darkness.TrackMax, 255, &OptionValues::ShadowDark},
        {kDarknessSlider, darkness.TrackMin, darkness.TrackMin, 0, &OptionValues::ShadowDark},
        {kSharpnessSlider, 5000, sharpness.TrackMax, 100, &OptionValues::ShadowSharpness},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "slider " << row.Id << " to " << row.To);
        CQVSliderObj& slider = *OptionsPane.Slider(row.Id);
        OptionValues before = OptionsPane.Values;
        int64_t look = Look();
        SheetChanges.clear();
        slider.OnDrag(0, 0, row.To, slider.VisibleY);
        EXPECT_EQ(row.Knob, slider.VisibleX);
        EXPECT_EQ(row.Value, slider.Value);
        EXPECT_EQ(row.Stored ? 1u : 0u, SheetChanges.size());
        EXPECT_EQ(row.Stored != nullptr, Look() != look);
        if (row.Stored)
            EXPECT_EQ(row.Value, OptionsPane.Values.*row.Stored);
        else
            EXPECT_EQ(0, memcmp(&before, &OptionsPane.Values, sizeof(before)));
    }

    CQVSliderObj emptyTrack(900, 50, 50, 0, 10, 0), emptyRange(901, 10, 60, 5, 5, 0);
    for (CQVSliderObj* empty : {&emptyTrack, &emptyRange}) {
        empty->SetKnob(7);
        empty->OnDrag(0, 0, 70, 0);
        EXPECT_EQ(empty->ValueMin, empty->Value);
    }
}

TEST_F(OptionsPaneTest, DraggingThePreviewMovesTheStoredShadow)
{
    settings_.Set(L"ShadowX", REG_DWORD, Dword(6));
    settings_.Set(L"ShadowY", REG_DWORD, Dword(-2));
    for (int page = 0; page < 2; ++page) {
        SCOPED_TRACE(page);
        ASSERT_NE(nullptr, OpenPage());
        // Without a picture the values change and nothing is built.
        if (page == 1)
            OptionsPane.SetSourceImage(Picture(32).get());
        CQVObj& preview = *OptionsPane.Preview;
        const POINT at{preview.VisibleX, preview.VisibleY};
        struct Drag {
            int Dx, Dy;
            int32_t ShadowX, ShadowY;
        } drags[] = {{4, 1, 10, -1}, {-2, 0, 8, -1}};
        for (const Drag& drag : drags) {
            SheetChanges.clear();
            preview.OnDrag(0, 0, at.x + drag.Dx, at.y + drag.Dy);
            preview.OnDragEnd();
            EXPECT_TRUE(OptionsPane.Values.ShadowX == drag.ShadowX &&
                        OptionsPane.Values.ShadowY == drag.ShadowY);
            EXPECT_TRUE(preview.VisibleX == at.x && preview.VisibleY == at.y);
            EXPECT_EQ(1u, SheetChanges.size());
        }
        EXPECT_EQ(page == 1, Shown() != nullptr);
        ClosePage();
    }
}

TEST_F(OptionsPaneTest, TabsShowTheirPageAndTheModeButtonsSwitchTheShadowType)
{
    ASSERT_NE(nullptr, OpenPage());
    EXPECT_EQ(1u, SheetChanges.size());  // Apply is enabled at once
    EXPECT_EQ(kOpacityTab, OptionsPane.SelectedTab);
    EXPECT_EQ(L"AwaySelected", StateName(OptionsPane.Tab(kOpacityTab)));
    EXPECT_TRUE(OptionsPane.OpacityPage->Shown && !OptionsPane.ShadowPage->Shown);

    OptionsPane.Tab(kShadowTab)->OnLButtonUp(1, 1, 0);
    EXPECT_TRUE(OptionsPane.ShadowPage->Shown && !OptionsPane.OpacityPage->Shown &&
                !OptionsPane.ColorPage->Shown);
    EXPECT_EQ(L"OverSelected", StateName(OptionsPane.Tab(kShadowTab)));
    EXPECT_EQ(L"Away", StateName(OptionsPane.Tab(kOpacityTab)));
    OptionsPane.Tab(kShadowTab)->OnMouseLeave(nullptr);
    OptionsPane.Tab(kColorTab)->OnMouseEnter();
    EXPECT_EQ(L"AwaySelected", StateName(OptionsPane.Tab(kShadowTab)));
    EXPECT_EQ(L"Over", StateName(OptionsPane.Tab(kColorTab)));

    CQVObj* dynamic = ById(OptionsPane.ShadowPage, kDynamicModeButton);
    CQVObj* toStatic = ById(OptionsPane.ShadowPage, kStaticModeButton);
    ASSERT_TRUE(dynamic && toStatic);
    EXPECT_TRUE(dynamic->Shown && !toStatic->Shown && !OptionsPane.LightPage->Shown);
    for (int32_t mode : {1, 0}) {
        SCOPED_TRACE(mode);
        SheetChanges.clear();
        (mode ? dynamic : toStatic)->OnLButtonUp(1, 1, 0);
        EXPECT_EQ(mode, OptionsPane.Values.ShadowDynamic);
        EXPECT_EQ(mode == 1, OptionsPane.LightPage->Shown != 0);
        EXPECT_EQ(mode == 1, toStatic->Shown != 0);
        EXPECT_EQ(mode == 0, dynamic->Shown != 0);
        EXPECT_EQ(1u, SheetChanges.size());
    }
}

TEST_F(OptionsPaneTest, ThePreviewIsAShadowedCopyOfThePicture)
{
    settings_.Set(L"Transparency", REG_DWORD, Dword(200));
    ASSERT_NE(nullptr, OpenPage());
    auto picture = Picture(32);
    OptionsPane.SetSourceImage(picture.get());
    LMBitmapState* shown = Shown();
    ASSERT_NE(nullptr, shown);
    EXPECT_EQ(shown, OptionsPane.Preview->CurrentState);
    EXPECT_TRUE(shown->FrameWidth == 44 && shown->FrameHeight == 44);
    EXPECT_EQ(200, shown->RampStart);
    EXPECT_NE(picture->Bitmap, shown->Bitmap);
    OptionsPane.SetSourceImage(nullptr);
    EXPECT_EQ(nullptr, Shown());
}
