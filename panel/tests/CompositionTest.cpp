#include "Composition.h"
#include "Language.h"
#include "LibraryTestSupport.h"
#include "MessageBoxRecorder.h"
#include "SoundFixtures.h"
#include "ThemeContainerFormat.h"

#include <shlwapi.h>

namespace {

// A theme with a 32-px arrow (24 px for the current theme) and the parts
// named by s(ounds), e(ffects), t(rails): a picked theme's in slots 4, 4
// and 2, the current theme's in slot 0.
std::unique_ptr<CTheme> ThemeWith(const wchar_t* name, const std::string& parts, bool picked)
{
    auto theme = NamedTheme(name, {TestCursor{0, 1, picked ? 32 : 24, picked ? 32 : 24}});
    if (parts.find('s') != std::string::npos)
        AddTestSound(*theme, picked ? 4 : 0, MakeWave());
    if (parts.find('e') != std::string::npos)
        AddTestEffect(*theme, picked ? 4 : 0);
    if (parts.find('t') != std::string::npos)
        AddTestTrail(*theme, picked ? 2 : 0);
    return theme;
}

// The parts in a picked theme's slots, the arrow's width and the name.
std::tuple<std::string, int, std::wstring> Composed()
{
    const CTheme& theme = *PanelCurrentTheme;
    wchar_t name[MAX_PATH];
    theme.GetDisplayName(name, MAX_PATH);
    std::string parts = theme.GetSound(4) ? "s" : "";
    parts += theme.GetEffect(4) ? "e" : "";
    parts += theme.GetTrail(2) ? "t" : "";
    return {parts, theme.FindCursor(0, 1, 1)->Animation->FrameWidth, name};
}

}  // namespace

TEST_F(ComposeTest, PartsAreTakenAskedOrKeptByHoldingsInteractiveAndMerge)
{
    struct Row {
        const char* Current;  // null: no current theme
        const char* Picked;
        int Interactive, Merge, Answer;
        std::vector<int> Questions;
        const char* Taken;
        size_t Stops;  // of sounds the current theme still held
    };
    const Row rows[] = {
        {"et", "se", 1, 1, IDYES, {56}, "se", 0},
        {"et", "t", 1, 1, IDNO, {72}, "", 0},
        {"et", "t", 1, 1, IDYES, {72}, "t", 0},
        {"set", "set", 1, 1, IDYES, {83, 56, 72}, "set", 1},
        {"set", "set", 0, 1, IDNO, {}, "set", 1},
        {"set", "set", 1, 0, IDYES, {}, "", 0},
        {nullptr, "set", 1, 1, IDNO, {}, "set", 0},
    };
    const std::wstring path = themes_.File(L"Picked.Trivane");
    const RegValue trail{REG_SZ, TextBytes(L"C:\\trail.Trivane")};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.Current ? row.Current : "none") + " <- " + row.Picked);
        ASSERT_TRUE(SaveTestTheme(path, *ThemeWith(L"Picked", row.Picked, true)));
        PanelCurrentTheme = row.Current ? ThemeWith(L"Current", row.Current, false) : nullptr;
        WriteValue(key_, L"CurrentTrail", trail);
        Library.TrailList.Selected = -2;
        world_.Requests.clear();
        MessageBoxRecorder boxes(row.Answer);
        ASSERT_EQ(1, ComposeCurrentTheme(row.Interactive, path.c_str(), 0, row.Merge));
        std::vector<std::wstring> asked, questions;
        for (const RecordedMessageBox& box : boxes.Boxes())
            asked.push_back(box.Text + box.Caption + std::to_wstring(box.Type));
        for (int n : row.Questions)
            questions.push_back(GetUiString(n) + std::wstring(L"Trivane") +
                                std::to_wstring(MB_YESNO | MB_ICONQUESTION));
        EXPECT_EQ(questions, asked);
        EXPECT_EQ(std::make_tuple(std::string(row.Taken), 32, std::wstring(L"Picked")), Composed());
        size_t stops = 0;
        for (const RecordingWorld::Request& request : world_.Requests)
            stops += !request.Sound && request.Flags == 0 && request.Held;
        EXPECT_EQ(row.Stops, stops);
        // Trails taken into a current theme select the none row.
        const bool trails = row.Current && std::string(row.Taken).find('t') != std::string::npos;
        EXPECT_EQ(trails ? RegValue(REG_SZ, std::string(2, '\0')) : trail,
                  ReadValue(key_, L"CurrentTrail"));
        EXPECT_EQ(trails ? 0 : -2, Library.TrailList.Selected);
        EXPECT_FALSE(PathFileExistsW(CurrentFile().c_str())) << "save 0 writes nothing";
    }
}

TEST_F(ComposeTest, APickThatCannotBeComposedChangesNothing)
{
    MessageBoxRecorder boxes(IDYES);
    const int good = AddRow(L"Good", *ThemeWith(L"Good", "set", true));
    const int spoilt = AddRow(L"Spoilt", *ThemeWith(L"Spoilt", "set", true));
    ASSERT_EQ(1, PickLibraryTheme(1, good));
    std::string written;
    ASSERT_TRUE(ReadBytesFromFile(CurrentFile(), &written));
    EXPECT_EQ(std::string(4, '\0'), written.substr(offsetof(ThemeFileHeader, CompressedSize), 4));

    std::string version1999 = written;
    version1999.replace(offsetof(ThemeFileHeader, Version), 4, "\xCF\x07\0\0", 4);
    const std::pair<std::string, int> rows[] = {
        {written.substr(0, 100), spoilt},
        {version1999, spoilt},
        {written, static_cast<int>(Library.Themes.size()) + 1},
        {written, -1},
        {written, -2},
    };
    const CTheme* current = PanelCurrentTheme.get();
    for (const auto& [bytes, row] : rows) {
        SCOPED_TRACE(row);
        ASSERT_TRUE(WriteBytesToFile(Library.Themes[spoilt - 1].Path, bytes.data(), bytes.size()));
        EXPECT_EQ(0, PickLibraryTheme(1, row));
        std::string after;
        ReadBytesFromFile(CurrentFile(), &after);
        EXPECT_EQ(std::make_tuple(current, good, written),
                  std::make_tuple(PanelCurrentTheme.get(), Library.AppliedThemeRow, after));
    }
    ASSERT_TRUE(SaveWithoutPixels(Library.Themes[spoilt - 1].Path, *NamedTheme(L"Bare"),
                                  offsetof(CursorRecord, Image)));
    EXPECT_EQ(0, PickLibraryTheme(1, spoilt)) << "no cursor with pixels";

    // A write that fails is said, once, over the panel, and the panel shows
    // what the file holds: here nothing, and not by the user's choice.
    const int other = AddRow(L"Other", *ThemeWith(L"Other", "", true));
    world_.CurrentThemePath = currentFolder_.Path();  // a folder: cannot be written
    const size_t before = boxes.Boxes().size();
    EXPECT_EQ(0, PickLibraryTheme(1, other));
    ASSERT_EQ(before + 1, boxes.Boxes().size());
    EXPECT_EQ((std::make_tuple(std::wstring(L"Trivane"), dialog_)),
              std::make_tuple(boxes.Boxes().back().Caption, boxes.Boxes().back().Owner));
    EXPECT_EQ(nullptr, PanelCurrentTheme);
    EXPECT_FALSE(PanelNoThemeChosen);
    EXPECT_EQ(good, Library.AppliedThemeRow);
    world_.CurrentThemePath = currentFolder_.File(L"CurrentTheme.Trivane");

    auto nameless = NamedTheme(L"");
    nameless->Name.reset();
    PickLibraryTheme(1, AddRow(L"Nameless", *nameless));
    EXPECT_EQ(L"Nameless", std::get<2>(Composed())) << "the file's name, not the last theme's";
}

TEST_F(ComposeTest, RowZeroLeavesNoTheme)
{
    MessageBoxRecorder boxes(IDYES);
    ASSERT_EQ(1, PickLibraryTheme(1, AddRow(L"Full", *ThemeWith(L"Full", "set", true))));
    EXPECT_EQ(std::make_tuple(std::string("Default"), std::string("Default"), std::string("sound")),
              std::make_tuple(NameOf(ThemeViews.CursorCells[0]),
                              NameOf(ThemeViews.EffectPreviews[4]),
                              NameOf(ThemeViews.SoundIcons[4])));
    auto kept = [] {
        return std::make_pair(ShadowPage.Original.get(), ShadowPage.Preview->FindState(L"mod"));
    };
    const auto before = kept();
    ASSERT_TRUE(before.first && before.second);
    world_.Requests.clear();
    EXPECT_EQ(1, PickLibraryTheme(1, 0));
    EXPECT_EQ(std::make_tuple(static_cast<CTheme*>(nullptr), 0, before),
              std::make_tuple(PanelCurrentTheme.get(), Library.AppliedThemeRow, kept()));
    EXPECT_EQ(TextPixels(GetUiString(46), PanelSizes.RowSize, 0, RGB(214, 129, 26)),
              LabelPixels(ThemeViews.NameLabel));
    std::vector<LMObj*> emptied(ThemeViews.CursorCells.begin(), ThemeViews.CursorCells.end());
    for (const auto& objects : {ThemeViews.EffectPreviews, ThemeViews.SoundMarks})
        emptied.insert(emptied.end(), objects.begin(), objects.end());
    for (LMObj* object : emptied)
        EXPECT_EQ(std::make_pair(std::string("null"), static_cast<LMState*>(nullptr)),
                  std::make_pair(NameOf(object), object->FindState(L"Default")));
    for (LMObj* icon : ThemeViews.SoundIcons)
        EXPECT_EQ("blank", NameOf(icon));
    ASSERT_EQ(1u, world_.Requests.size());
    EXPECT_TRUE(!world_.Requests[0].Sound && world_.Requests[0].Held)
        << "the sound stops before the theme goes";
}

// The current theme file is the user's whatever it holds: one with only
// effects shows as itself, and only "No theme" and Apply delete it.
TEST_F(ComposeTest, ACurrentThemeWithoutCursorsIsKeptUntilNoThemeIsChosen)
{
    ASSERT_TRUE(SaveTestTheme(CurrentFile(), *SpriteTheme(L"Sparks", {0}, {})));
    ASSERT_EQ(1, ComposeCurrentTheme(0, CurrentFile().c_str(), 0, 1));
    ASSERT_NE(nullptr, PanelCurrentTheme);
    ApplyCurrentTheme();
    EXPECT_TRUE(PathFileExistsW(CurrentFile().c_str()));
    ASSERT_EQ(1, PickLibraryTheme(1, 0));
    ApplyCurrentTheme();
    EXPECT_FALSE(PathFileExistsW(CurrentFile().c_str()));
}
