// Selection and hover: bounds that follow each build, list focus, the sound
// files listed and played once, slot sounds, the theme row's buttons and
// the bars' moves between the theme list and the cursor strip.

#include "ListSelection.h"
#include "CQVObj.h"
#include "LibraryLists.h"
#include "LibraryTestSupport.h"
#include "SoundFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<int> PlaceOf(const LMObj* object)
{
    return {object->VisibleX, object->VisibleY, object->Shown};
}

}  // namespace

TEST_F(LibraryTest, RowBoundsFollowEachBuildAndFocusFollowsTheLastSelection)
{
    AddTheme(L"Spark.Trivane", *SpriteTheme(L"Spark", {0}, {}));
    AddTheme(L"Flash.Trivane", *SpriteTheme(L"Flash", {0}, {}));
    for (const wchar_t* name : {L"a.wav", L"b.wav"})
        ASSERT_TRUE(WriteBytesToFile(soundFiles_.File(name), "RIFF", 4));
    for (auto* build : {BuildEffectList, BuildTrailList, BuildSoundList})
        build();
    SelectTrailRow(1);
    SelectTrailRow(TrailListRows());
    SelectTrailRow(-1);
    HoverEffectRow(3);
    HoverSoundFileRow(3);
    EXPECT_EQ((std::vector<int>{1, -2, -2}),
              (std::vector<int>{Library.TrailList.Selected, Library.EffectLibrary.Hovered,
                                Library.SoundFiles.Hovered}));
    HoverEffectRow(2);
    HoverSoundFileRow(2);

    DeleteFileW(themes_.File(L"Flash.Trivane").c_str());
    DeleteFileW(soundFiles_.File(L"b.wav").c_str());
    Relist();
    BuildEffectList();
    BuildSoundList();
    SelectSoundFileRow();
    HoverSoundFileRow(2);
    EXPECT_EQ((std::vector<int>{-1, -1, -2, kFocusLibrary}),
              (std::vector<int>{Library.EffectLibrary.Hovered, Library.SoundFiles.Hovered,
                                Library.SoundFiles.Selected, Library.ListFocus}));
    EXPECT_FALSE(Library.SoundFiles.HoverBar->Shown);

    SelectEffectSlot(3);
    EXPECT_EQ((std::vector<int>{0, 242, 1}), PlaceOf(Library.EffectSlots.SelectionBar));
    Library.EffectSlots.SelectionBar->MoveTo(7, 7);
    Library.ListFocus = kFocusLibrary;
    SelectEffectSlot(3);
    EXPECT_EQ(kFocusSlots, Library.ListFocus);
    EXPECT_EQ((std::vector<int>{7, 7, 1}), PlaceOf(Library.EffectSlots.SelectionBar));
}

TEST_F(LibraryTest, SoundFilesAreListedAndEachSoundPlaysOnce)
{
    const std::string wave = MakeWave();
    for (const wchar_t* name :
         {L"Ding.WAV", L"x.Wav", L"Gong.wav", L".wav", L"a.wa", L"chime.wave", L"notes.txt"})
        ASSERT_TRUE(WriteBytesToFile(soundFiles_.File(name), wave.data(), wave.size()));
    BuildSoundList();
    std::vector<std::wstring> texts;
    for (LMObj* row : Library.SoundFiles.Rows)
        texts.push_back(row->LinkName.get());
    EXPECT_EQ((std::vector<int>{106, 60}),
              (std::vector<int>{static_cast<CQVObj*>(Library.SoundFiles.Rows[1])->ControlId,
                                Library.SoundFiles.Rows[1]->VisibleY}));
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ((std::vector<std::wstring>{L"Ding.WAV", L"Gong.wav", L"x.Wav"}), texts);
    EXPECT_EQ(39, Library.SoundFiles.RowStep);
    HoverSoundFileRow(1);
    SelectSoundFileRow();
    SelectSoundFileRow();
    ASSERT_EQ(1u, world_.Requests.size());
    EXPECT_EQ(soundFiles_.Path() + L"\\" + Library.SoundFiles.Rows[0]->LinkName.get(),
              world_.Requests[0].File);
    EXPECT_EQ(static_cast<DWORD>(SND_ASYNC), world_.Requests[0].Flags);

    PanelCurrentTheme = NamedTheme(L"Loud");
    AddTestSound(*PanelCurrentTheme, 4, wave);
    AddTestSound(*PanelCurrentTheme, 5, std::string("RIFF\x40\0\0\0WAVE", 12));
    SelectSoundSlot(4);
    SelectSoundSlot(5);
    ASSERT_EQ(2u, world_.Requests.size()) << "only whole WAVE bytes are played";
    EXPECT_EQ(static_cast<const void*>(PanelCurrentTheme->Sounds[4]->Data.get()),
              world_.Requests[1].Sound);
    EXPECT_EQ(static_cast<DWORD>(SND_ASYNC | SND_MEMORY), world_.Requests[1].Flags);
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
    SelectThemeRow(2);
    EXPECT_EQ(1, Library.ThemeList.Selected) << "a row without an entry";
    EXPECT_EQ((std::vector<int>{end, 8, 1, end + 20, 8, 1, end + 40, 8, 1, 0, 1, 1, 2, 64, 1}),
              (std::vector<int>{b.Properties->VisibleX, b.Properties->VisibleY, b.Properties->Shown,
                                b.Delete->VisibleX, b.Delete->VisibleY, b.Delete->Shown,
                                b.Website->VisibleX, b.Website->VisibleY, b.Website->Shown,
                                b.Email->Shown, b.Cursors->Shown, b.Edit->Shown, bar->VisibleX,
                                bar->VisibleY, bar->Shown}));

    SelectThemeRow(-1);
    EXPECT_EQ((std::vector<int>{410, 0, 1, 1, 2, 2}),
              (std::vector<int>{b.Properties->VisibleX, b.Delete->Shown, b.Cursors->Shown,
                                b.Edit->Shown, bar->VisibleX, bar->VisibleY}));
    EXPECT_EQ(Library.CursorStrip->Children[0], bar);
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
