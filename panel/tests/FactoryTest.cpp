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
#include <set>

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
    EXPECT_EQ(3, tab->VisibleX);
    EXPECT_EQ(62, tab->VisibleY);
    EXPECT_EQ(1, tab->Shown);
    EXPECT_EQ(0, tab->Movable);
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
    tab->ChangeState(L"Selected");
    EXPECT_EQ(255, tab->GetCurrentAlpha());

    std::set<LMBitmap*> bitmaps;
    for (const wchar_t* name : {L"Over", L"Away", L"Selected", L"Unselected"}) {
        SCOPED_TRACE(testing::Message() << name);
        LMBitmapState* state = StateOf(tab, name);
        ASSERT_NE(nullptr, state);
        EXPECT_EQ(LMHitWholeFrame, state->HitMode);
        EXPECT_EQ(kPngSideTab.Width, state->FrameWidth);
        bitmaps.insert(state->Bitmap);
    }
    EXPECT_EQ(4u, bitmaps.size()) << "each state has a bitmap of its own";
}

TEST_F(FactoryTest, APagePanelStartsHiddenAndShowsInTenFrames)
{
    CQVObj* page = CreatePagePanel(147, kPngPageList.Id);
    ASSERT_NE(nullptr, page);
    EXPECT_EQ(Root(), page->Parent);
    EXPECT_EQ(CQVHoverPagePanel, page->HoverMode);
    EXPECT_EQ(0, page->Shown);
    EXPECT_EQ(147, page->VisibleX);
    EXPECT_EQ(0, page->VisibleY);
    EXPECT_EQ("Show", NameOf(page));
    EXPECT_EQ((std::vector<int>{0, 28, 56, 85, 113, 141, 170, 198, 226, 255}), Play(page));
    page->ChangeState(L"Hide");
    EXPECT_EQ((std::vector<int>{255, 227, 199, 170, 142, 114, 85, 57, 29, 0}), Play(page));
    EXPECT_EQ(kPngPageList.Width, page->CurrentState->FrameWidth);
    EXPECT_EQ(kPngPageList.Height, page->CurrentState->FrameHeight);
}

TEST_F(FactoryTest, PushButtonsStretchTheirPicturesAndKeepTheCorners)
{
    CQVObj* button = CreatePushButton(Root(), 93, 507, 504, 97, 27, kButtonPlain);
    ASSERT_NE(nullptr, button);
    EXPECT_EQ(93, button->ControlId);
    EXPECT_EQ(CQVHoverButton, button->HoverMode);
    EXPECT_EQ(kPanelHandCursor, button->CursorIndex);
    EXPECT_EQ(0, button->ChildCount());
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
        EXPECT_EQ(5, glyph->VisibleX);
        EXPECT_EQ(5, glyph->VisibleY);
        EXPECT_EQ(LMHitNever, glyph->CurrentState->HitMode);
        const PanelImage& expected = style == kButtonUpGlyph ? kPngGlyphUp : kPngGlyphDown;
        auto* glyphState = static_cast<LMBitmapState*>(glyph->CurrentState);
        EXPECT_EQ(PixelsTopDown(*Picture(expected.Id)), PixelsTopDown(*glyphState->Bitmap));
    }
}

TEST_F(FactoryTest, AButtonCaptionIsCentredAndLetsPressesThrough)
{
    CQVObj* button = CreatePushButton(Root(), 93, 10, 10, 97, 27, kButtonPlain, L"Apply");
    ASSERT_NE(nullptr, button);
    ASSERT_EQ(1, button->ChildCount());
    LMObj* caption = button->Children[0];
    EXPECT_EQ(0, caption->VisibleX);
    EXPECT_EQ(97, caption->VisibleWidth);
    EXPECT_EQ((27 - caption->VisibleHeight) / 2, caption->VisibleY);
    EXPECT_EQ(LMHitNever, caption->CurrentState->HitMode);
    EXPECT_EQ(button, Root()->HitTestTree(10 + 48, 10 + 13));
}

TEST_F(FactoryTest, AnImageTabIs120WideAndEveryStateHasItsOwnBitmap)
{
    CQVObj* tab = CreateImageTab(36, 40);
    ASSERT_NE(nullptr, tab);
    EXPECT_EQ(Root(), tab->Parent);
    EXPECT_EQ(36, tab->ControlId);
    EXPECT_EQ(40, tab->VisibleX);
    EXPECT_EQ(325, tab->VisibleY);
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
    EXPECT_EQ(200, group.Frame->VisibleWidth);
    EXPECT_EQ(kPngSliderTrack.Height, group.Frame->VisibleHeight);
    EXPECT_EQ(LMHitNever, group.Frame->CurrentState->HitMode);
    EXPECT_EQ(32, group.Knob->ControlId);
    EXPECT_EQ(40, group.Knob->VisibleX);
    EXPECT_EQ(90, group.Knob->VisibleY);
    EXPECT_EQ(40, group.Knob->TrackMin);
    EXPECT_EQ(230, group.Knob->TrackMax);
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
        {"page panel", [&](int png) { return CreatePagePanel(0, png) != nullptr; }},
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
    PanelImageTabPage = nullptr;
    EXPECT_EQ(nullptr, CreateImageTab(36, 0));
    EXPECT_EQ(0, root->ChildCount());
}

TEST_F(FactoryTest, TextWidgetsCarryTheirStatesAndHitModes)
{
    CQVObj* label = CreateTextLabel(Root(), 13, 110, L"Current theme", 12, 1, RGB(0, 0, 0), 0, 1);
    CQVObj* tab = CreateTextTab(Root(), 124, L"Shadow");
    CQVObj* link = CreateLinkText(Root(), 43, 300, 328, L"Defaults", kLinkBold);
    ASSERT_TRUE(label && tab && link);
    EXPECT_EQ(LMHitWholeFrame, label->CurrentState->HitMode);
    EXPECT_GT(label->CurrentState->InsetRight, 0) << "the shadow lies in the insets";
    EXPECT_EQ(124, tab->VisibleX);
    EXPECT_EQ(5, tab->VisibleY);
    EXPECT_EQ(LMHitNever, StateOf(tab, L"Selected")->HitMode);
    EXPECT_EQ(CQVHoverButton, link->HoverMode);
    EXPECT_EQ(43, link->ControlId);
    EXPECT_EQ(kPanelHandCursor, link->CursorIndex);
    EXPECT_NE(nullptr, StateOf(link, L"Over"));

    CQVObj* info = CreateInfoPanel();
    CQVObj* blank = CreateBlankObject(Root(), 8, 5, 10, 10);
    ASSERT_TRUE(info && blank);
    EXPECT_EQ(590, info->VisibleWidth);
    EXPECT_EQ(12, info->VisibleX);
    EXPECT_EQ(133, info->VisibleY);
    EXPECT_EQ(info, Root()->HitTestTree(100, 150)) << "the info panel is hit";
    EXPECT_EQ(10, blank->VisibleWidth);
}
