// The trails page's caption and loaded trail, the cursor grid of one theme,
// and page switching.

#include "LibraryViews.h"
#include "Language.h"
#include "LibraryLists.h"
#include "LibraryTestSupport.h"
#include "ListSelection.h"

#include <gtest/gtest.h>

TEST_F(LibraryTest, TheTrailPreviewFollowsTheSelectedTrailRow)
{
    for (const wchar_t* name : {L"Comet", L"Meteor"}) {
        auto trail = SpriteTheme(name, {}, {2});
        trail->GetTrail(2)->TrailsPerSecond = 35;
        AddTheme(std::wstring(name) + L".Trivane", *trail);
    }
    BuildTrailList();
    // Row selected (-1: no reload), caption, sliders shown, area shown,
    // theme loaded, sprite rate.
    const int rows[][6] = {{1, 74, 1, 0, 0, 20}, {3, 67, 0, 1, 1, 35}, {-1, 66, 0, 1, 0, 20}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "caption " << row[1]);
        Library.TrailSpriteRate = 20;
        if (row[0] >= 0)
            SelectTrailRow(row[0]);
        else
            ShowTrailPreview(0);
        EXPECT_EQ(TextPixels(GetUiString(row[1]), PanelSizes.RowSize, 0, 0),
                  LabelPixels(Library.TrailCaption));
        EXPECT_EQ((std::vector<int>{13, 110, row[2], row[3], row[4], row[5]}),
                  (std::vector<int>{Library.TrailCaption->VisibleX, Library.TrailCaption->VisibleY,
                                    Library.TrailSliders[0]->Shown, Library.TrailPreviewArea->Shown,
                                    Library.LoadedTrailTheme != nullptr, Library.TrailSpriteRate}));
        if (Library.LoadedTrailTheme) {
            EXPECT_EQ(Library.Trails[1].Path, Library.LoadedTrailTheme->FilePath);
        }
    }
}

TEST_F(LibraryTest, TheCursorGridShowsOneCellPerRoleWithItsName)
{
    auto theme = NamedTheme(L"Grid", {{0, 1, 32, 32}, {5, 1, 24, 40}, {19, 1, 48, 48}});
    const std::wstring path = themes_.File(L"Grid.Trivane");
    ASSERT_TRUE(SaveTestTheme(path, *theme));
    ShowThemeCursors(path.c_str());
    const auto& objects = Library.CursorGridObjects;
    ASSERT_EQ(6u, objects.size());
    std::vector<int> places;
    for (int i = 0; i < 3; ++i) {
        places.insert(places.end(), {objects[2 * i]->VisibleX, objects[2 * i]->VisibleY,
                                     objects[2 * i + 1]->VisibleY});
    }
    EXPECT_EQ((std::vector<int>{31, 16, 58, 123, 12, 58, 199, 8, 58}), places);
    EXPECT_EQ(TextPixels(L"Button", PanelSizes.SmallSize, 0, 0x323232), LabelPixels(objects[5]));
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
    EXPECT_EQ((std::vector<std::string>{"Hide", "Away", "Show", "Selected"}),
              (std::vector<std::string>{NameOf(sounds), NameOf(Library.SideTabs[kSoundsTab]),
                                        NameOf(themes), NameOf(Library.SideTabs[kThemesTab])}));
    EXPECT_EQ((std::vector<int>{1, 1}),
              (std::vector<int>{themes->Shown, Root()->Children.back() == themes}));

    sounds->OnTop();
    ShowThemesPage();
    EXPECT_EQ(sounds, Root()->Children.back()) << "a page already shown stays as it is";
    ShowThemeCursorsPage();
    sounds->OnTop();
    ShowThemeCursorsPage();
    EXPECT_EQ(Library.Pages[kThemeCursorsPage], Root()->Children.back());
    for (LMObj* tab : Library.SideTabs)
        EXPECT_NE("Selected", NameOf(tab));
}
