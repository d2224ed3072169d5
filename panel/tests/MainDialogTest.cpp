// The main dialog built in the test's process: its window and objects, the
// start rows and the current theme, the null notices, the language change
// and bad places and texts.

#include "MainDialogTestSupport.h"

#include "CQVObj.h"
#include "FactorySupport.h"
#include "Language.h"
#include "LibraryRows.h"
#include "LibraryTestSupport.h"
#include "MessageBoxRecorder.h"
#include "PanelNotices.h"
#include "PanelResources.h"
#include "PanelShell.h"
#include "SoundFixtures.h"

#include <gtest/gtest.h>

namespace {

RECT PlaceOf(const LMObj* object)
{
    return LMRectFromSize(object->VisibleX, object->VisibleY, object->VisibleWidth,
                          object->VisibleHeight);
}

bool SameRect(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

// The label of that text the list builder put at (x, y) of the container.
bool ShowsText(const LMObj* container, int x, int y, int uiText, int width)
{
    auto expected =
        MakeTextState(L"Default", UiText(uiText), PanelSizes.RowSize, 0, 0, 0, kTextLeft, width);
    for (const LMObj* child : container->Children) {
        if (child->VisibleX == x && child->VisibleY == y)
            return LabelPixels(child) == PixelsTopDown(*expected->Bitmap);
    }
    return false;
}

}  // namespace

TEST_F(MainDialogTest, TheDialogIsBuiltAsTheLayoutSays)
{
    ASSERT_NE(nullptr, OpenDialog());
    RECT client{};
    GetClientRect(dialog_, &client);
    EXPECT_TRUE(SameRect(RECT{0, 0, 776, 538}, client));
    EXPECT_EQ(PanelWindowMark, GetWindowLongPtrW(dialog_, GWLP_USERDATA));
    HWND combo = GetDlgItem(dialog_, IDC_PANEL_LANGUAGE);
    EXPECT_FALSE(IsWindowVisible(combo));
    EXPECT_FALSE(IsWindowEnabled(combo));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(combo, WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_STREQ(L"Segoe UI", font.lfFaceName);
    EXPECT_EQ(18, font.lfHeight);

    for (int page = 0; page < kPanelPageCount; ++page) {
        SCOPED_TRACE(page);
        ASSERT_NE(nullptr, Library.Pages[page]);
        EXPECT_EQ(147, Library.Pages[page]->VisibleX);
        EXPECT_EQ(page == kThemesPage, Library.Pages[page]->Shown != 0);
    }
    EXPECT_EQ("Selected", NameOf(Library.SideTabs[kThemesTab]));
    EXPECT_EQ("Unselected", NameOf(Library.SideTabs[kEffectsTab]));
    EXPECT_NE(nullptr, FindControl(PanelShell.Root.get(), 88)) << "Wine reports Windows 6.1";
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_READ, &key));
    ScopedRegKey settings(key);
    // Scroll frames stand beside their clips: the theme list's as given,
    // the effect slot list's derived the same way.
    EXPECT_TRUE(SameRect(RECT{586, 210, 603, 494}, PlaceOf(Library.ThemeList.ScrollFrame)));
    ASSERT_NE(nullptr, Library.EffectSlots.ScrollFrame);
    EXPECT_EQ(72, static_cast<CQVObj*>(Library.EffectSlots.ScrollFrame)->ControlId);
    EXPECT_TRUE(SameRect(RECT{316, 133, 333, 494}, PlaceOf(Library.EffectSlots.ScrollFrame)));
    EXPECT_EQ(LMHitWholeFrame, Library.EffectSlots.SelectionBar->CurrentState->HitMode);
    EXPECT_EQ(LMHitWholeFrame, PanelShell.SubTabs[1]->CurrentState->HitMode);
}

// All four lists are built at start, after the current theme, whose row is
// then the applied one; both slot lists start on their first row.
TEST_F(MainDialogTest, StartBuildsEveryListAfterTheCurrentThemeAndSelectsTheFirstSlots)
{
    auto cedar = NamedTheme(L"Cedar");
    AddTestSound(*cedar, 0, MakeWave());
    ASSERT_TRUE(SaveTestTheme(themes_.File(L"Birch.Trivane"), *NamedTheme(L"Birch")));
    ASSERT_TRUE(SaveTestTheme(themes_.File(L"Cedar.Trivane"), *cedar));
    ASSERT_TRUE(SaveTestTheme(CurrentFile(), *cedar));
    MessageBoxRecorder boxes;
    ASSERT_NE(nullptr, OpenDialog());

    EXPECT_TRUE(boxes.Boxes().empty());
    ASSERT_EQ(2u, Library.Themes.size());
    const int cedarRow = Library.Themes[0].DisplayName == std::wstring(L"Cedar") ? 1 : 2;
    EXPECT_EQ(cedarRow, Library.AppliedThemeRow);
    EXPECT_EQ(cedarRow, Library.ThemeList.Selected);
    EXPECT_TRUE(ShowsText(Library.EffectLibrary.Container, 100, 15, kUiNone, 150));
    EXPECT_TRUE(ShowsText(Library.TrailList.Container, 100, 15, kUiNone, 150));
    EXPECT_TRUE(ShowsText(Library.TrailList.Container, 100, 95, kUiGhostTrail, 150));
    EXPECT_TRUE(ShowsText(Library.SoundFiles.Container, 16, 4, kUiNone, 257));

    EXPECT_EQ(kFocusSlots, Library.ListFocus);
    for (PanelList* slots : {&Library.EffectSlots, &Library.SoundSlots}) {
        const LMObj& bar = *slots->SelectionBar;
        EXPECT_EQ((std::vector<int>{0, 1, 0, 0, 2, 720}),
                  (std::vector<int>{slots->Selected, bar.Shown, slots->HoverBar->Shown,
                                    bar.VisibleX, bar.VisibleY, slots->Container->VisibleHeight}));
    }
    ASSERT_EQ(1u, world_.Requests.size()) << "event 0's sound, once";
    EXPECT_EQ(static_cast<DWORD>(SND_ASYNC | SND_MEMORY), world_.Requests[0].Flags);
    EXPECT_EQ("sound", NameOf(ThemeViews.SoundIcons[0]));
}

// The engine posts 14 when it changed the current theme file; 13 comes
// from the panel's own trail sprites. Either may come from anywhere.
TEST_F(MainDialogTest, NullNoticesReloadTheCurrentThemeQuietlyAndDeleteOnlySprites)
{
    auto cedar = NamedTheme(L"Cedar");
    AddTestEffect(*cedar, 0);
    ASSERT_TRUE(SaveTestTheme(CurrentFile(), *cedar));
    MessageBoxRecorder boxes(IDYES);
    ASSERT_NE(nullptr, OpenDialog());
    auto birch = NamedTheme(L"Birch");
    AddTestEffect(*birch, 1);
    ASSERT_TRUE(SaveTestTheme(CurrentFile(), *birch));
    std::string before;
    ASSERT_TRUE(ReadBytesFromFile(CurrentFile(), &before));

    SendMessageW(dialog_, WM_NULL, ReloadThemeNotice, 0);
    wchar_t name[MAX_PATH] = {};
    PanelCurrentTheme->GetDisplayName(name, MAX_PATH);
    EXPECT_STREQ(L"Birch", name);
    EXPECT_TRUE(boxes.Boxes().empty()) << "no questions";
    std::string after;
    EXPECT_TRUE(ReadBytesFromFile(CurrentFile(), &after) && before == after) << "nothing written";

    DeleteFileW(CurrentFile().c_str());
    SendMessageW(dialog_, WM_NULL, ReloadThemeNotice, 0);
    PanelCurrentTheme->GetDisplayName(name, MAX_PATH);
    EXPECT_STREQ(L"Birch", name) << "a file that is gone changes nothing";
    for (LPARAM bogus : {LPARAM{0}, LPARAM{0x1234}, reinterpret_cast<LPARAM>(PanelShell.Root.get()),
                         reinterpret_cast<LPARAM>(&before)})
        SendMessageW(dialog_, WM_NULL, DeferredDeleteNotice, bogus);
    EXPECT_NE(nullptr, FindControl(PanelShell.Root.get(), 93)) << "the tree is whole";
}

// Missing texts read as "", and folders that cannot be read or written
// leave lists of what they can show.
TEST_F(MainDialogTest, MissingTextsAndUnreadableFoldersStillBuildTheWindow)
{
    TempFolder noLanguages;
    PanelLanguage.ProgramFolder = noLanguages.Path();
    PanelLanguage.SettingsKey = key_;
    {
        MessageBoxRecorder boxes;
        EXPECT_EQ(0, LoadLanguageFrom(PanelLanguage, nullptr));
        EXPECT_EQ(1u, boxes.Boxes().size());
    }
    ASSERT_TRUE(SaveTestTheme(themes_.File(L"Cedar.Trivane"), *NamedTheme(L"Cedar")));
    ASSERT_TRUE(WriteBytesToFile(themes_.File(L"Preview"), "x", 1));
    ASSERT_TRUE(WriteBytesToFile(sounds_.File(L"NotAFolder"), "x", 1));
    CopyTextBounded(PanelSoundsFolder, MAX_PATH, sounds_.File(L"NotAFolder").c_str());
    ASSERT_NE(nullptr, OpenDialog());

    wchar_t title[64] = {L'?'};
    GetWindowTextW(dialog_, title, 64);
    EXPECT_STREQ(L"", title);
    ASSERT_EQ(1u, Library.Themes.size()) << "listed without its preview cache";
    EXPECT_STREQ(L"Cedar", Library.Themes[0].DisplayName);
    EXPECT_TRUE(Library.SoundFiles.Rows.empty());
    EXPECT_EQ(0, Library.ThemeList.Selected) << "the no-theme row";
}
