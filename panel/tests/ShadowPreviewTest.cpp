#include "ShadowPreview.h"
#include "CQVSliderObj.h"
#include "ChildProcess.h"
#include "Composition.h"
#include "LibraryTestSupport.h"
#include "PanelSettings.h"

#include <shlwapi.h>

namespace {

using Size = std::pair<int, int>;

const LMBitmapState* StateOf(const LMObj* object, const wchar_t* name)
{
    return static_cast<const LMBitmapState*>(object->FindState(name));
}

std::array<int, 5> InMemory()
{
    const PanelShadowValues& v = ShadowValues;
    return {v.ShadowX, v.ShadowY, v.ShadowDark, v.ShadowSharpness, v.DisableShadow};
}

}  // namespace

TEST_F(ComposeTest, CellsAndPreviewCarryTheShadowOnCopiesOfTheirOwn)
{
    struct Row {
        const char* Name;
        std::vector<TestCursor> Cursors;
        PanelShadowValues Shadow;
        std::vector<Size> Cells;
        std::array<int, 4> Grown;  // insets of the first cell over the cursor's own
        Size PreviewAt;
    };
    const Row rows[] = {
        {"roles 3 5 19",
         {{19, 1, 24, 24}, {5, 1, 22, 22}, {3, 1, 20, 20}},
         {0, 0, 0, 0, 1},
         {{20, 20}, {22, 22}, {24, 24}},
         {},
         {}},
        {"roles 1 4 6", {{1, 1, 24, 24}, {4, 1, 24, 24}, {6, 1, 24, 24}}, {}, {}, {}, {}},
        {"panel defaults", {{0, 1, 24, 24}}, {}, {{34, 34}}, {0, 0, 10, 10}, {105, 69}},
        {"-3, 4, sharpness 0",
         {{0, 1, 24, 24}},
         {-3, 4, 128, 0, 0},
         {{27, 28}},
         {3, 0, 0, 4},
         {108, 72}},
        {"no shadow", {{0, 1, 24, 24}}, {5, 5, 128, 9, 1}, {{24, 24}}, {}, {110, 74}},
    };
    const std::wstring path = themes_.File(L"Cells.Trivane");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        PanelCurrentTheme.reset();
        ShadowValues = row.Shadow;
        ASSERT_TRUE(SaveTestTheme(path, row.Cursors));
        ASSERT_EQ(1, ComposeCurrentTheme(0, path.c_str(), 0, 1));
        std::vector<Size> cells;
        for (LMObj* cell : ThemeViews.CursorCells) {
            const LMBitmapState* state = StateOf(cell, L"Default");
            if (state)
                cells.emplace_back(state->FrameWidth, state->FrameHeight);
            EXPECT_EQ(state ? "Default" : "null", NameOf(cell));
        }
        EXPECT_EQ(row.Cells, cells);
        if (row.Cursors[0].Role != 0)
            continue;
        const LMBitmapState& own = *PanelCurrentTheme->FindCursor(0, 1, 1)->Animation;
        const LMBitmapState& cell = *StateOf(ThemeViews.CursorCells[0], L"Default");
        EXPECT_EQ(row.Grown,
                  (std::array<int, 4>{cell.InsetLeft - own.InsetLeft, cell.InsetTop - own.InsetTop,
                                      cell.InsetRight - own.InsetRight,
                                      cell.InsetBottom - own.InsetBottom}));
        const LMBitmapState& modified = *StateOf(ShadowPage.Preview, L"mod");
        EXPECT_EQ(row.Cells[0], Size(modified.FrameWidth, modified.FrameHeight));
        EXPECT_EQ(row.PreviewAt, Size(ShadowPage.Preview->VisibleX, ShadowPage.Preview->VisibleY));
        // The theme's own cursor and "ori" stay the unshadowed picture.
        EXPECT_EQ(Size(24, 24), Size(own.Bitmap->Width, own.Bitmap->Height));
        EXPECT_EQ(PixelsTopDown(*own.Bitmap), PixelsTopDown(*ShadowPage.Original->Bitmap));
    }
}

TEST_F(ComposeTest, ShadowSettingsLoadSaveAndFollowTheSliders)
{
    LoadShadowSettings();
    EXPECT_EQ((std::array<int, 5>{5, 5, 128, 9, 0}), InMemory()) << "an empty key";
    // Four bytes are read whatever the type; more give the default, fewer
    // fill the low bytes.
    WriteValue(key_, L"ShadowX", {REG_SZ, TextBytes(L"abc")});
    WriteValue(key_, L"ShadowY", {REG_QWORD, std::string(8, '\1')});
    WriteValue(key_, L"ShadowDark", Dword(REG_DWORD, 999));
    WriteValue(key_, L"ShadowSharpness", {REG_BINARY, "\3"});
    WriteValue(key_, L"DisableShadow", Dword(REG_BINARY, 1));
    LoadShadowSettings();
    EXPECT_EQ((std::array<int, 5>{5, 5, 255, 3, 1}), InMemory());
    EXPECT_EQ(0, WriteSettingDword(1, L"DisableShadow"));
    EXPECT_EQ(Dword(REG_BINARY, 1), ReadValue(key_, L"DisableShadow"));
    EXPECT_EQ(1, WriteSettingDword(7, L"HotKey"));
    EXPECT_EQ(Dword(REG_DWORD, 7), ReadValue(key_, L"HotKey"));

    ShadowValues = PanelShadowValues{};
    RenderShadowPreview();
    ShadowValues = {1, 1, 1, 1, 1};
    LoadShadowSettings();
    EXPECT_EQ((std::array<int, 5>{5, 5, 128, 9, 0}), InMemory()) << "saved without ori";
    ShadowPage.Original = std::make_unique<LMBitmapState>(L"ori", new LMBitmap(8, 8, 0x10));
    CQVSliderObj slider(0, 100, 0, 255);
    for (int id : {19, 15, 24}) {
        SCOPED_TRACE(id);
        slider.ControlId = id;
        const LMState* before = ShadowPage.Preview->FindState(L"mod");
        OnSliderValue(&slider, 77);
        EXPECT_EQ(id == 19, ShadowPage.Preview->FindState(L"mod") != before) << "rendered again";
        EXPECT_EQ((std::array<int, 5>{5, 5, 77, 9, 0}), InMemory());
        LoadShadowSettings();
        EXPECT_EQ((std::array<int, 5>{5, 5, 77, 9, 0}), InMemory()) << "stored";
    }
}

TEST_F(ComposeTest, ApplySetsTheAutostartThenTellsOrStartsTheEngine)
{
    const std::wstring engine = TestProgramFolder() + L"\\Trivane.exe";
    const HWND window = reinterpret_cast<HWND>(0x5678);
    // A current theme, "No theme" chosen, or a current file that did not load
    // (not the user's choice: it stays, and so does the autostart).
    enum { kTheme, kNoThemeChosen, kNotLoaded };
    for (int state : {kTheme, kNoThemeChosen, kNotLoaded}) {
        const bool theme = state == kTheme;
        for (bool found : {true, false}) {
            SCOPED_TRACE(testing::Message() << "state " << state << (found ? ", found" : ""));
            PanelCurrentTheme = theme ? NamedTheme(L"Applied") : nullptr;
            PanelNoThemeChosen = state == kNoThemeChosen;
            ASSERT_TRUE(WriteBytesToFile(CurrentFile(), "x", 1));
            WriteValue(runKey_, L"Pavolt", {REG_SZ, TextBytes(L"old")});
            WriteValue(runKey_, L"Trivane", {REG_SZ, TextBytes(L"old")});
            world_.EngineWindow = found ? window : nullptr;
            world_.Posts.clear();
            world_.Launches.clear();
            ApplyCurrentTheme();
            const RegValue run[] = {RegValue(REG_SZ, TextBytes(L"\"" + engine + L"\"")), RegValue(),
                                    RegValue(REG_SZ, TextBytes(L"old"))};
            EXPECT_EQ(run[state], ReadValue(runKey_, L"Trivane"));
            EXPECT_EQ(RegValue(), ReadValue(runKey_, L"Pavolt"));
            EXPECT_EQ(state != kNoThemeChosen, PathFileExistsW(CurrentFile().c_str()) != FALSE);
            std::vector<RecordingWorld::Post> posts;
            std::vector<RecordingWorld::Launch> launches;
            if (found)
                posts.emplace_back(window, PanelMessages.Reapply, 0, 0);
            else
                launches.push_back({engine, {}, {}, {}, dialog_, 0, SW_SHOWNORMAL});
            EXPECT_EQ(posts, world_.Posts);
            EXPECT_EQ(launches, world_.Launches);
        }
    }
    PanelRunKey = runKey_ + L"\\Missing";
    PanelCurrentTheme = NamedTheme(L"Applied");
    ApplyCurrentTheme();
    EXPECT_EQ(RegValue(), ReadValue(PanelRunKey, L"Trivane"));
}
