// Selection and hover: bounds that follow each build, list focus, sounds
// played once, the theme row's buttons and the bars' moves between the
// theme list and the cursor strip.

#include "ListSelection.h"
#include "LibraryLists.h"
#include "LibraryTestSupport.h"
#include "SoundFixtures.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> PlaceOf(const LMObj* object)
{
    return {object->VisibleX, object->VisibleY, object->Shown};
}

}  // namespace

TEST_F(LibraryTest, RowBoundsFollowEachBuildAndFocusFollowsTheLastSelection)
{
    for (const wchar_t* name : {L"Spark", L"Flash"}) {
        auto effect = NamedTheme(name, {});
        AddTestEffect(*effect, 0);
        AddTheme(std::wstring(name) + L".Trivane", *effect);
    }
    for (const wchar_t* name : {L"a.wav", L"b.wav"})
        ASSERT_TRUE(WriteBytesToFile(soundFiles_.File(name), "RIFF", 4));
    BuildEffectList();
    BuildTrailList();
    BuildSoundList();

    SelectTrailRow(1);
    for (int refused : {TrailListRows(), -1}) {
        SelectTrailRow(refused);
        EXPECT_EQ(1, Library.TrailList.Selected) << refused;
    }
    HoverEffectRow(3);
    HoverSoundFileRow(3);
    EXPECT_EQ((std::vector<int>{-2, -2}),
              (std::vector<int>{Library.EffectLibrary.Hovered, Library.SoundFiles.Hovered}));
    HoverEffectRow(2);
    HoverSoundFileRow(2);

    DeleteFileW(themes_.File(L"Flash.Trivane").c_str());
    DeleteFileW(soundFiles_.File(L"b.wav").c_str());
    Relist();
    BuildEffectList();
    BuildSoundList();
    EXPECT_EQ((std::vector<int>{-1, -1}),
              (std::vector<int>{Library.EffectLibrary.Hovered, Library.SoundFiles.Hovered}));
    EXPECT_FALSE(Library.SoundFiles.HoverBar->Shown);
    SelectSoundFileRow();
    EXPECT_EQ(-2, Library.SoundFiles.Selected) << "a rebuild between hover and click";
    EXPECT_EQ(kFocusLibrary, Library.ListFocus);
    HoverSoundFileRow(2);
    EXPECT_EQ(-1, Library.SoundFiles.Hovered);

    SelectEffectSlot(3);
    EXPECT_EQ((std::vector<int>{0, 242, 1}), PlaceOf(Library.EffectSlots.SelectionBar));
    Library.EffectSlots.SelectionBar->MoveTo(7, 7);
    Library.ListFocus = kFocusLibrary;
    SelectEffectSlot(3);
    EXPECT_EQ(kFocusSlots, Library.ListFocus);
    EXPECT_EQ((std::vector<int>{7, 7, 1}), PlaceOf(Library.EffectSlots.SelectionBar));
}

TEST_F(LibraryTest, SoundsPlayOnceFromTheSoundsFolderOrTheCurrentTheme)
{
    const std::string wave = MakeWave();
    ASSERT_TRUE(WriteBytesToFile(soundFiles_.File(L"Ding.wav"), wave.data(), wave.size()));
    BuildSoundList();
    HoverSoundFileRow(1);
    SelectSoundFileRow();
    SelectSoundFileRow();
    ASSERT_EQ(1u, sounds_.Requests.size());
    EXPECT_EQ(soundFiles_.Path() + L"\\Ding.wav", sounds_.Requests[0].File);
    EXPECT_EQ(static_cast<DWORD>(SND_ASYNC), sounds_.Requests[0].Flags);

    PanelCurrentTheme = NamedTheme(L"Loud");
    AddTestSound(*PanelCurrentTheme, 4, wave);
    AddTestSound(*PanelCurrentTheme, 5, std::string("RIFF\x40\0\0\0WAVE", 12));
    SelectSoundSlot(4);
    SelectSoundSlot(5);
    ASSERT_EQ(2u, sounds_.Requests.size()) << "only whole WAVE bytes are played";
    EXPECT_EQ(PanelCurrentTheme->Sounds[4]->Data.get(), sounds_.Requests[1].Memory);
    EXPECT_EQ(static_cast<DWORD>(SND_ASYNC | SND_MEMORY), sounds_.Requests[1].Flags);
}

TEST_F(LibraryTest, TheSelectedThemeRowCarriesItsButtons)
{
    auto cedar = NamedTheme(L"Cedar");
    cedar->Website = DuplicateText(L"https://cedar.example");
    AddTheme(L"Cedar.Trivane", *cedar);
    BuildThemeList();
    const ThemeRowButtons& b = Library.RowButtons;
    LMObj* bar = Library.ThemeList.SelectionBar;
    const int end = Library.Themes[0].TextEnd;

    SelectThemeRow(1);
    EXPECT_EQ((std::vector<int>{end, 8, 1}), PlaceOf(b.Properties));
    EXPECT_EQ((std::vector<int>{end + 20, 8, 1}), PlaceOf(b.Delete));
    EXPECT_EQ((std::vector<int>{end + 40, 8, 1}), PlaceOf(b.Website));
    EXPECT_EQ((std::vector<int>{0, 1, 1}),
              (std::vector<int>{b.Email->Shown, b.Cursors->Shown, b.Edit->Shown}));
    EXPECT_EQ((std::vector<int>{2, 64, 1}), PlaceOf(bar));
    SelectThemeRow(2);
    EXPECT_EQ(1, Library.ThemeList.Selected) << "a row without an entry";

    SelectThemeRow(-1);
    EXPECT_EQ((std::vector<int>{410, 0, 1, 1}),
              (std::vector<int>{b.Properties->VisibleX, b.Delete->Shown, b.Cursors->Shown,
                                b.Edit->Shown}));
    EXPECT_EQ(Library.CursorStrip->Children[0], bar);
    EXPECT_EQ((std::vector<int>{2, 2, 1}), PlaceOf(bar));
    SelectThemeRow(0);
    for (LMObj* button : {b.Properties, b.Delete, b.Website, b.Email, b.Cursors, b.Edit})
        EXPECT_FALSE(button->Shown);
    EXPECT_EQ(Library.ThemeList.Container, bar->Parent);
    EXPECT_EQ((std::vector<int>{2, 2, 1}), PlaceOf(bar));

    LMObj* hover = Library.ThemeList.HoverBar;
    HoverThemeRow(-1);
    EXPECT_EQ(Library.CursorStrip->Children[0], hover);
    EXPECT_EQ((std::vector<int>{2, 2, 1}), PlaceOf(hover));
    HoverThemeRow(3);
    EXPECT_EQ(Library.ThemeList.Container->Children[0], hover);
    EXPECT_EQ((std::vector<int>{2, 188, 1}), PlaceOf(hover));
    HoverThemeRow(0);
    EXPECT_FALSE(hover->Shown) << "on the selected row";
}
