// The widget factories, windowless under a test root: states, fades,
// stretching, placement, and refusal of missing or broken pictures.

#include "PanelFactories.h"
#include "PanelImages.h"
#include "PanelState.h"
#include "PanelTestSupport.h"
#include "SkinImages.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr int kMissingPng = 4242;
constexpr int kCutOffPng = 9001;
constexpr int kNotAPng = 9002;

using FactoryTest = PanelTreeTest;

LMBitmapState* StateOf(LMObj* object, const wchar_t* name)
{
    return static_cast<LMBitmapState*>(object->FindState(name));
}

std::unique_ptr<LMBitmap> Picture(int pngId)
{
    return std::unique_ptr<LMBitmap>(LoadSkinBitmap(pngId));
}

// The four corner blocks of a bitmap, rows from the top.
std::vector<uint32_t> Corners(const LMBitmap& bitmap, int side)
{
    std::vector<uint32_t> corners;
    for (int y : {0, bitmap.Height - side}) {
        for (int x : {0, bitmap.Width - side}) {
            auto block = PixelBlock(bitmap, x, y, side, side);
            corners.insert(corners.end(), block.begin(), block.end());
        }
    }
    return corners;
}

}  // namespace

TEST_F(FactoryTest, ASideTabStartsClearYetHitAndFadesOverAndAway)
{
    CQVObj* tab = CreateSideTab(Root(), 62);
    ASSERT_NE(nullptr, tab);
    EXPECT_EQ(CQVHoverSideTab, tab->HoverMode);
    EXPECT_EQ((std::vector<int>{3, 62, 1, 0}),
              (std::vector<int>{tab->VisibleX, tab->VisibleY, tab->Shown, tab->Movable}));
    EXPECT_EQ("Unselected", NameOf(tab));
    EXPECT_EQ(0, tab->GetCurrentAlpha());
    auto picture = Picture(kPngSideTab.Id);
    ASSERT_EQ(0u, *picture->PixelAt(0, 0) >> 24) << "the corner is clear";
    EXPECT_EQ(1, tab->HitTest(0, 0));

    tab->ChangeState(L"Over");
    EXPECT_EQ((std::vector<int>{0, 22, 45, 68, 91, 114, 137, 160}), Play(tab));
    EXPECT_EQ(20, tab->CurrentState->FrameInterval);
    tab->ChangeState(L"Away");
    EXPECT_EQ((std::vector<int>{128, 110, 92, 74, 55, 37, 19, 0}), Play(tab));
}

TEST_F(FactoryTest, APagePanelStartsHiddenAndShowsInTenFrames)
{
    CQVObj* page = CreatePagePanel(Root(), 147, kPngPageList.Id);
    ASSERT_NE(nullptr, page);
    EXPECT_EQ(Root(), page->Parent);
    EXPECT_EQ((std::vector<int>{CQVHoverPagePanel, 0, 147, 0}),
              (std::vector<int>{page->HoverMode, page->Shown, page->VisibleX, page->VisibleY}));
    EXPECT_EQ("Show", NameOf(page));
    EXPECT_EQ((std::vector<int>{0, 28, 56, 85, 113, 141, 170, 198, 226, 255}), Play(page));
    page->ChangeState(L"Hide");
    EXPECT_EQ((std::vector<int>{255, 227, 199, 170, 142, 114, 85, 57, 29, 0}), Play(page));
}

TEST_F(FactoryTest, PushButtonsStretchTheirPicturesAndKeepTheCorners)
{
    CQVObj* button = CreatePushButton(Root(), 93, 507, 504, 97, 27, kButtonPlain);
    ASSERT_NE(nullptr, button);
    EXPECT_EQ((std::vector<int>{93, CQVHoverButton, kPanelHandCursor, 0}),
              (std::vector<int>{button->ControlId, button->HoverMode, button->CursorIndex,
                                button->ChildCount()}));
    const std::pair<const wchar_t*, int> states[] = {{L"Default", kPngButtonDefault.Id},
                                                     {L"Over", kPngButtonOver.Id},
                                                     {L"Down", kPngButtonDown.Id}};
    for (const auto& [name, png] : states) {
        SCOPED_TRACE(testing::Message() << name);
        LMBitmapState* state = StateOf(button, name);
        ASSERT_NE(nullptr, state);
        EXPECT_EQ(97, state->Bitmap->Width);
        EXPECT_EQ(27, state->Bitmap->Height);
        EXPECT_EQ(Corners(*Picture(png), 7), Corners(*state->Bitmap, 7));
    }

    for (int style : {kButtonUpGlyph, kButtonDownGlyph}) {
        SCOPED_TRACE(testing::Message() << "style " << style);
        CQVObj* small = CreatePushButton(Root(), 38, 0, 0, 17, 17, style);
        ASSERT_NE(nullptr, small);
        ASSERT_EQ(1, small->ChildCount());
        LMObj* glyph = small->Children[0];
        EXPECT_EQ(
            (std::vector<int>{5, 5, LMHitNever}),
            (std::vector<int>{glyph->VisibleX, glyph->VisibleY, glyph->CurrentState->HitMode}));
        const PanelImage& expected = style == kButtonUpGlyph ? kPngGlyphUp : kPngGlyphDown;
        auto* glyphState = static_cast<LMBitmapState*>(glyph->CurrentState);
        EXPECT_EQ(PixelsTopDown(*Picture(expected.Id)), PixelsTopDown(*glyphState->Bitmap));
    }
}

TEST_F(FactoryTest, ACaptionLetsPressesThroughToItsButtonAndTheInfoPanelIsHit)
{
    CQVObj* button = CreatePushButton(Root(), 93, 10, 10, 97, 27, kButtonPlain, L"Apply");
    ASSERT_NE(nullptr, button);
    ASSERT_EQ(1, button->ChildCount());
    LMObj* caption = button->Children[0];
    EXPECT_EQ((std::vector<int>{0, (27 - caption->VisibleHeight) / 2, 97, LMHitNever}),
              (std::vector<int>{caption->VisibleX, caption->VisibleY, caption->VisibleWidth,
                                caption->CurrentState->HitMode}));
    EXPECT_EQ(button, Root()->HitTestTree(10 + 48, 10 + 13));

    CQVObj* info = CreateInfoPanel(Root());
    ASSERT_NE(nullptr, info);
    EXPECT_EQ(590, info->VisibleWidth);
    EXPECT_EQ(info, Root()->HitTestTree(100, 150));
}

TEST_F(FactoryTest, AnImageTabIs120WideAndEveryStateHasItsOwnBitmap)
{
    CQVObj* tab = CreateImageTab(Root(), 36, 40);
    ASSERT_NE(nullptr, tab);
    EXPECT_EQ(Root(), tab->Parent);
    EXPECT_EQ((std::vector<int>{36, 40, 325}),
              (std::vector<int>{tab->ControlId, tab->VisibleX, tab->VisibleY}));
    LMBitmapState* normal = StateOf(tab, L"Default");
    LMBitmapState* selected = StateOf(tab, L"Selected");
    ASSERT_TRUE(normal && selected);
    for (LMBitmapState* state : {normal, selected}) {
        EXPECT_EQ(120, state->Bitmap->Width);
        EXPECT_EQ(kPngImageTab.Height, state->Bitmap->Height);
    }
    EXPECT_NE(normal->Bitmap, selected->Bitmap);
}

TEST_F(FactoryTest, ASliderGroupLinesUpFrameKnobAndCaption)
{
    SliderGroup group =
        CreateSliderGroup(Root(), 40, 100, 200, kPngSliderTrack.Id, 32, -100, -100, 100, L"Offset");
    ASSERT_TRUE(group.Frame && group.Knob && group.Caption);
    EXPECT_EQ((std::vector<int>{200, kPngSliderTrack.Height, LMHitNever}),
              (std::vector<int>{group.Frame->VisibleWidth, group.Frame->VisibleHeight,
                                group.Frame->CurrentState->HitMode}));
    const CQVSliderObj& knob = *group.Knob;
    EXPECT_EQ((std::vector<int>{32, 40, 90, 40, 230}),
              (std::vector<int>{knob.ControlId, knob.VisibleX, knob.VisibleY, knob.TrackMin,
                                knob.TrackMax}));
    EXPECT_EQ(40 + (200 - group.Caption->VisibleWidth) / 2, group.Caption->VisibleX);
    EXPECT_EQ(72, group.Caption->VisibleY);

    SliderGroup quiet =
        CreateSliderGroup(Root(), 40, 200, 200, kPngSliderTrack.Id, 33, 0, -100, 100, nullptr);
    ASSERT_TRUE(quiet.Frame && quiet.Knob);
    EXPECT_EQ(nullptr, quiet.Caption);
    EXPECT_EQ(135, quiet.Knob->VisibleX) << "the initial value places the knob";
}

TEST_F(FactoryTest, AMissingOrBrokenPictureGivesNullAndAttachesNothing)
{
    struct Factory {
        const char* Name;
        std::function<bool(int png)> Make;  // true when something was made
    };
    LMObj* root = Root();
    const Factory factories[] = {
        {"image", [&](int png) { return CreateImageObject(root, 0, 0, png) != nullptr; }},
        {"frame",
         [&](int png) { return CreateFrameObject(root, 0, 0, 50, 0, 5, 5, 0, 0, png) != nullptr; }},
        {"page panel", [&](int png) { return CreatePagePanel(root, 0, png) != nullptr; }},
        {"slider group", [&](int png) {
             SliderGroup group = CreateSliderGroup(root, 0, 50, 80, png, 1, 0, 0, 9, L"Caption");
             return group.Frame || group.Knob || group.Caption;
         }}};
    for (const Factory& factory : factories) {
        for (int png : {kMissingPng, kCutOffPng, kNotAPng}) {
            SCOPED_TRACE(testing::Message() << factory.Name << ", PNG " << png);
            EXPECT_FALSE(factory.Make(png));
            EXPECT_EQ(0, root->ChildCount());
        }
    }
    EXPECT_EQ(nullptr, CreateTextLabel(nullptr, 0, 0, L"Caption", 11, 0, 0, 0, 0));
    EXPECT_EQ(nullptr, CreatePushButton(root, 1, 0, 0, 20, 20, 3));
    EXPECT_EQ(nullptr, CreateImageTab(nullptr, 36, 0));
    EXPECT_EQ(0, root->ChildCount());
}
