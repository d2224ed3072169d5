// The rules of the panel's event routing, apart from its objects: which
// command a click runs, how far a thumb goes and where its list then
// stands, which list the wheel scrolls, when the trail preview drops a
// sprite, and what a theme's website and e-mail texts may open.

#include "CommandRules.h"
#include "LMObj.h"
#include "ScrollRules.h"
#include "WebAddress.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using C = ControlCommand;

}  // namespace

TEST(RoutingRules, AClickChoosesItsCommandByTheClockAndTheThemeRows)
{
    // The click's id and time since the last row click, the rows (hovered,
    // selected, applied, entries, a current theme), and the choice.
    struct Row {
        int Id;
        DWORD Since;
        ThemeRows Rows;
        CommandChoice Expected;
    };
    const ThemeRows onTwo{2, 2, -1, 3, true};
    const ThemeRows inStrip{-1, -1, 2, 3, true};
    const Row rows[] = {
        {41, 0, onTwo, {C::SelectHoveredTheme, -1, true}},
        {42, 499, onTwo, {C::PickSelectedTheme, 2, false}},
        {42, 500, onTwo, {C::None, -1, true}},
        {8, 749, onTwo, {C::None, -1, false}},
        {8, 750, onTwo, {C::OpenThemeWebsite, 2, false}},
        {44, 750, inStrip, {C::ShowThemeProperties, 2, false}},
        {6, 750, {-1, -1, -1, 3, true}, {C::None, -1, false}},
        {7, 750, {0, 0, 2, 3, true}, {C::None, -1, false}},
        {7, 750, {4, 4, 2, 3, true}, {C::None, -1, false}},  // past the list
        {5, 0, inStrip, {C::EditTheme, 2, false}},           // no wait
        {50, 750, inStrip, {C::None, -1, false}},            // hovered rows only
        {50, 750, onTwo, {C::DeleteTheme, 2, false}},
        {93, 0, {1, -1, 2, 3, true}, {C::None, -1, false}},
        {95, 0, {1, 0, -1, 3, true}, {C::ApplyCurrentTheme, -1, false}},
        {95, 0, {1, 0, -1, 3, false}, {C::PickSelectedCursors, 0, false}},
        {95, 0, onTwo, {C::PickSelectedCursors, 2, false}},
        {110, 499, onTwo, {C::FocusLibrary, -1, false}},
        {110, 500, onTwo, {C::PlaySoundFile, -1, true}},
        {81, 499, onTwo, {C::None, -1, false}},
        {81, 500, onTwo, {C::None, -1, true}},
        {1, 0, onTwo, {C::None, -1, false}},
    };
    const DWORD now = 10;  // the clock wrapped since the row click
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Id << " after " << row.Since << " ms");
        const CommandChoice choice = ChooseCommand(row.Id, now, now - row.Since, row.Rows);
        EXPECT_EQ(row.Expected.Command, choice.Command);
        EXPECT_EQ(row.Expected.Row, choice.Row);
        EXPECT_EQ(row.Expected.RecordClick, choice.RecordClick);
    }
}

// Every page switch goes to a page, and only page switches go anywhere.
TEST(RoutingRules, APageSwitchNamesItsPageAndTab)
{
    const struct {
        int Id;
        PageSwitch To;
    } rows[] = {
        {kIdThemesTab, {kThemesPage, kThemesTab}},
        {kIdBackLink, {kThemesPage, kThemesTab}},
        {kIdOnlineTab, {kOnlineThemesPage, kOnlineTab}},
        {kIdAboutTab, {kAboutPage, kAboutTab}},
        {kIdCursorsPageSwitch, {kThemeCursorsPage, -1}},
        {kIdCursorsPageSwitchToo, {kThemeCursorsPage, -1}},
        {kIdSettingsTab, {kSettingsPage, kSettingsTab}},
        {kIdEffectsTab, {kEffectsPage, kEffectsTab}},
        {kIdTrailsTab, {kTrailsPage, kTrailsTab}},
        {kIdSoundsTab, {kSoundsPage, kSoundsTab}},
        {kIdThemeHoverBar, {-1, -1}},
        {kIdNone, {-1, -1}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Id);
        const bool switches = row.To.Page >= 0;
        EXPECT_EQ(switches, ChooseCommand(row.Id, 0, 0, ThemeRows{}).Command == C::SwitchPage);
        EXPECT_EQ(row.To.Page, PageSwitchOf(row.Id).Page);
        EXPECT_EQ(row.To.Tab, PageSwitchOf(row.Id).Tab);
    }
}

TEST(RoutingRules, AThumbKeepsToItsTrackAndItsListFollows)
{
    // Frame 361, thumb 30: travel 16..313; the list 810 high in a 358 clip.
    struct Row {
        ThumbTravel Travel;
        int NewY, ListHeight, Kept, ListY;
        bool Scrolls;
    };
    const ThumbTravel list = ListThumbTravel(361, 30);
    const Row rows[] = {
        {list, 3, 810, 16, 0, true},
        {list, 164, 810, 164, -225, true},
        {list, 400, 810, 313, -452, true},
        {list, -100000, 810, 16, 0, true},
        {list, 164, 200, 16, 0, true},                     // shorter than its clip
        {list, 164, 358, 16, 0, true},                     // as tall as its clip
        {ListThumbTravel(64, 30), 40, 810, 16, 0, false},  // no travel
        {GridThumbTravel(133, 366, 30), 0, 810, 148, 0, true},
        {GridThumbTravel(133, 366, 30), 999, 810, 452, -452, true},
        {GridThumbTravel(133, 32, 30), 140, 810, 118, 0, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.NewY << " over " << row.Travel.Low << ".." << row.Travel.High);
        EXPECT_EQ(row.Kept, KeptThumb(row.Travel, row.NewY, row.ListHeight, 358));
        int listY = 0;
        EXPECT_EQ(row.Scrolls, ListYForThumb(row.Travel, row.NewY, row.ListHeight, 358, &listY));
        EXPECT_EQ(row.ListY, listY);
    }
}

TEST(RoutingRules, TheTrailPreviewDropsSpritesAtTheTrailsRate)
{
    const DWORD last = 0xFFFFFFF0;  // the clock wraps meanwhile
    for (const auto& [rate, after, due] : {std::tuple{25, 40u, false},
                                           {25, 41u, true},
                                           {0, 50u, false},
                                           {0, 51u, true},
                                           {-3, 51u, true},
                                           {1000, 2u, true}}) {
        SCOPED_TRACE(testing::Message() << "rate " << rate << ", " << after << " ms");
        EXPECT_EQ(due, TrailSpriteDue(last + after, last, rate));
    }
}

TEST(RoutingRules, ThemeTextsOpenOnlyWebAndMailAddresses)
{
    const std::wstring long300(300, L'a');
    const std::pair<const wchar_t*, std::wstring> websites[] = {
        {L"https://example.org/a", L"https://example.org/a"},
        {L"  HTTP://Example.org ", L"HTTP://Example.org"},
        {L"www.example.org", L"http://www.example.org"},
        {L"https://x.org/a b\" -new %TEMP%", L"https://x.org/a%20b%22%20-new%20%TEMP%"},
        {L"C:\\Windows\\system32\\cmd.exe", L""},
        {L"file:///C:/x.bat", L""},
        {L"\\\\host\\share\\a.exe", L""},
        {L"javascript:x", L""},
        {L"https://x.org/\r\nfile:///C:/x.bat", L""},
        {L"wwwx.org", L""},
        {L"", L""},
        {nullptr, L""},
    };
    for (const auto& [text, expected] : websites) {
        SCOPED_TRACE(testing::Message() << (text ? text : L"(null)"));
        EXPECT_EQ(expected, WebsiteToOpen(text));
    }
    EXPECT_EQ(L"https://" + long300, WebsiteToOpen((L"https://" + long300).c_str()));
    const std::pair<const wchar_t*, const wchar_t*> mails[] = {
        {L"maple@example.org", L"mailto:maple@example.org"},
        {L"  maple@example.org ", L"mailto:maple@example.org"},
        {L"a@b?attach=C:/x&body=y", L""},
        {L"a@b&cc=c@d", L""},
        {L"a%40b@x", L""},
        {L"a@b/c", L""},
        {L"a@b\\c", L""},
        {L"a\" b@x", L""},
        {L"a b@x", L""},
        {L"a@x\n", L""},
        {L"a@b@c", L""},
        {L"@b", L""},
        {L"a@", L""},
        {L"plain", L""},
        {L" ", L""},
    };
    for (const auto& [text, expected] : mails) {
        SCOPED_TRACE(testing::Message() << text);
        EXPECT_EQ(expected, MailToOpen(text));
    }
}

TEST(RoutingRules, TheWheelScrollsTheShownPagesListInFocus)
{
    LibraryPagesState library;
    std::vector<std::unique_ptr<LMObj>> pages;
    for (LMObj*& page : library.Pages) {
        pages.push_back(std::make_unique<LMObj>(LMObjWindowless));
        page = pages.back().get();
    }
    library.ThemeList.RowStep = 7;
    library.TrailList.RowStep = 11;
    library.EffectLibrary.RowStep = 13;
    library.SoundFiles.RowStep = 17;
    const struct {
        int Page, Focus, Delta;
        PanelList* List;
        int Step;
    } rows[] = {
        {kThemesPage, kFocusSlots, -120, &library.ThemeList, 7},
        {kTrailsPage, kFocusNone, 240, &library.TrailList, -22},
        {kEffectsPage, kFocusLibrary, -120, &library.EffectLibrary, 13},
        {kEffectsPage, kFocusSlots, 120, &library.EffectSlots, -30},
        {kEffectsPage, kFocusNone, -120, nullptr, 0},
        {kSoundsPage, kFocusLibrary, -120, &library.SoundFiles, 17},
        {kSoundsPage, kFocusSlots, -60, &library.SoundSlots, 15},
        {kSoundsPage, kFocusNone, -120, nullptr, 0},
        {kSettingsPage, kFocusSlots, -120, nullptr, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "page " << row.Page << ", focus " << row.Focus);
        for (int page = 0; page < kPanelPageCount; ++page)
            pages[static_cast<size_t>(page)]->Shown = page == row.Page;
        library.ListFocus = row.Focus;
        const ScrollMove move = WheelMove(library, row.Delta);
        EXPECT_EQ(row.List, move.List);
        EXPECT_EQ(row.Step, move.List ? move.Step : 0);
    }
}
