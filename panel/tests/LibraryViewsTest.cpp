// The trails page's caption and loaded trail, the cursor grid of one theme,
// and page switching.

#include "LibraryViews.h"
#include "Language.h"
#include "LibraryLists.h"
#include "LibraryTestSupport.h"
#include "ListSelection.h"
#include "ThemeVocabulary.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> PlaceOf(const LMObj* object)
{
    return {object->VisibleX, object->VisibleY};
}

std::vector<uint32_t> UiTextPixels(int n)
{
    return TextPixels(GetUiString(n), PanelSizes.RowSize, 0, 0);
}

}  // namespace

TEST_F(LibraryTest, TheTrailPreviewFollowsTheSelectedTrailRow)
{
    for (const wchar_t* name : {L"Comet", L"Meteor"}) {
        auto trail = NamedTheme(name, {});
        AddTestTrail(*trail, 2);
        trail->GetTrail(2)->TrailsPerSecond = 35;
        AddTheme(std::wstring(name) + L".Trivane", *trail);
    }
    BuildTrailList();
    struct Row {
        int Select;
        int Caption;
        bool Sliders;
        bool Loaded;
    };
    const Row rows[] = {{1, 74, true, false}, {3, 67, false, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << row.Select);
        Library.TrailSpriteRate = 20;
        SelectTrailRow(row.Select);
        EXPECT_EQ(UiTextPixels(row.Caption), LabelPixels(Library.TrailCaption));
        EXPECT_EQ((std::vector<int>{13, 110}), PlaceOf(Library.TrailCaption));
        EXPECT_EQ(row.Sliders, Library.TrailSliders[1]->Shown != 0);
        EXPECT_EQ(!row.Sliders, Library.TrailPreviewArea->Shown != 0);
        ASSERT_EQ(row.Loaded, Library.LoadedTrailTheme != nullptr);
        EXPECT_EQ(row.Loaded ? 35 : 20, Library.TrailSpriteRate);
    }
    EXPECT_EQ(Library.Trails[1].Path, Library.LoadedTrailTheme->FilePath);
    ShowTrailPreview(0);
    EXPECT_EQ(UiTextPixels(66), LabelPixels(Library.TrailCaption));
    EXPECT_EQ(nullptr, Library.LoadedTrailTheme);
}

TEST_F(LibraryTest, TheCursorGridShowsOneCellPerRoleWithItsName)
{
    auto theme = NamedTheme(L"Grid", {{0, 1, 32, 32}, {5, 1, 24, 40}, {19, 1, 48, 48}});
    const std::wstring path = themes_.File(L"Grid.Trivane");
    ASSERT_TRUE(SaveTestTheme(path, *theme));
    ShowThemeCursors(path.c_str());
    const auto& objects = Library.CursorGridObjects;
    ASSERT_EQ(6u, objects.size());
    const std::vector<int> expected[] = {{31, 16}, {123, 12}, {199, 8}};
    const int roles[] = {0, 5, 19};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(testing::Message() << "role " << roles[i]);
        EXPECT_EQ(expected[i], PlaceOf(objects[2 * i]));
        EXPECT_EQ(58, objects[2 * i + 1]->VisibleY);
        EXPECT_EQ(TextPixels(kCursorRoleShortNames[roles[i]], PanelSizes.SmallSize, 0, 0x323232),
                  LabelPixels(objects[2 * i + 1]));
    }
    EXPECT_EQ((std::vector<int>{0, 0, 84}),
              (std::vector<int>{Library.CursorGrid->VisibleX, Library.CursorGrid->VisibleY,
                                Library.CursorGrid->VisibleHeight}));
    EXPECT_EQ(TextPixels(L"Grid", PanelSizes.RowSize, 1, 0x1A81D6),
              LabelPixels(Library.CursorGridCaption));
    const auto* drawn = static_cast<const LMBitmapState*>(objects[0]->CurrentState);
    EXPECT_EQ(0xFF808080u, *drawn->Bitmap->PixelAt(16, 16)) << "the grid holds its own copy";

    LMObj* caption = Library.CursorGridCaption;
    ASSERT_TRUE(WriteBytesToFile(path, "junk", 4));
    ShowThemeCursors(path.c_str());
    EXPECT_EQ(caption, Library.CursorGridCaption) << "a file that does not load";
    EXPECT_EQ(6u, objects.size());
    ASSERT_TRUE(SaveTestTheme(path, *theme));
    Library.CursorGrid->CurrentState->SetSize(60, 306);
    Library.CursorGrid->MoveTo(0, 0);
    ShowThemeCursors(path.c_str());
    EXPECT_EQ((std::vector<int>{16, 84, 152}),
              (std::vector<int>{objects[0]->VisibleY, objects[2]->VisibleY, objects[4]->VisibleY}));
}

TEST_F(LibraryTest, PageSwitchesFadeThePagesAndMoveTheTabMark)
{
    LMObj* sounds = Library.Pages[kSoundsPage];
    LMObj* themes = Library.Pages[kThemesPage];
    sounds->Show();
    Play(sounds);
    Library.SideTabs[kSoundsTab]->ChangeState(L"Selected");
    ShowThemesPage();
    EXPECT_EQ("Hide", NameOf(sounds));
    EXPECT_EQ("Away", NameOf(Library.SideTabs[kSoundsTab]));
    EXPECT_EQ("Selected", NameOf(Library.SideTabs[kThemesTab]));
    EXPECT_EQ((std::vector<int>{1, 1}),
              (std::vector<int>{themes->Shown, Root()->Children.back() == themes}));
    EXPECT_EQ("Show", NameOf(themes));

    Play(themes);
    sounds->OnTop();
    ShowThemesPage();
    EXPECT_EQ(sounds, Root()->Children.back()) << "a page already shown stays as it is";
    ShowThemeCursorsPage();
    ShowThemeCursorsPage();
    EXPECT_EQ(Library.Pages[kThemeCursorsPage], Root()->Children.back());
    for (LMObj* tab : Library.SideTabs)
        EXPECT_NE("Selected", NameOf(tab));
}
