#include "ComposeTestSupport.h"

#include "CQVSliderObj.h"
#include "PanelSettings.h"
#include "RegistrySettings.h"
#include "ShadowPreview.h"

namespace {

const LMBitmapState* StateOf(const LMObj* object, const wchar_t* name)
{
    return static_cast<const LMBitmapState*>(object->FindState(name));
}

using Size = std::pair<int, int>;

Size SizeOf(const LMBitmapState& state)
{
    return {state.FrameWidth, state.FrameHeight};
}

std::vector<Size> CellSizes()
{
    std::vector<Size> sizes;
    for (LMObj* cell : ThemeViews.CursorCells) {
        if (const LMBitmapState* state = StateOf(cell, L"Default"))
            sizes.push_back(SizeOf(*state));
    }
    return sizes;
}

std::array<int, 5> StoredShadow(const std::wstring& key)
{
    std::array<int, 5> values{};
    const wchar_t* names[] = {L"ShadowX", L"ShadowY", L"ShadowDark", L"ShadowSharpness",
                              L"DisableShadow"};
    for (int i = 0; i < 5; ++i) {
        int32_t value = -1;
        ReadRegistryDword(&value, HKEY_CURRENT_USER, key.c_str(), names[i], -1);
        values[i] = value;
    }
    return values;
}

std::array<int, 5> InMemory()
{
    const PanelShadowValues& v = ShadowValues;
    return {v.ShadowX, v.ShadowY, v.ShadowDark, v.ShadowSharpness, v.DisableShadow};
}

std::string Dword(uint32_t value)
{
    return std::string(reinterpret_cast<const char*>(&value), 4);
}

}  // namespace

TEST_F(ComposeTest, CellsAndPreviewCarryTheShadowOnCopiesOfTheirOwn)
{
    struct Row {
        const char* Name;
        std::vector<TestCursor> Cursors;
        PanelShadowValues Shadow;
        std::vector<Size> Cells;
        RECT Grown;  // insets of the first cell over the cursor's own
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
        {"offset -3 4 sharpness 0",
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
        ShadowPage.Original.reset();
        PanelCurrentTheme.reset();
        ShadowValues = row.Shadow;
        ASSERT_TRUE(SaveTestTheme(path, row.Cursors));
        ASSERT_EQ(1, ComposeCurrentTheme(0, path.c_str(), 0, 1));
        EXPECT_EQ(row.Cells, CellSizes());
        for (size_t i = row.Cells.size(); i < ThemeViews.CursorCells.size(); ++i)
            EXPECT_EQ("null", NameOf(ThemeViews.CursorCells[i]));
        if (row.Cursors[0].Role != 0)
            continue;
        const LMBitmapState& own = *PanelCurrentTheme->FindCursor(0, 1, 1)->Animation;
        const LMBitmapState& cell = *StateOf(ThemeViews.CursorCells[0], L"Default");
        EXPECT_EQ(row.Grown.left, cell.InsetLeft - own.InsetLeft);
        EXPECT_EQ(row.Grown.top, cell.InsetTop - own.InsetTop);
        EXPECT_EQ(row.Grown.right, cell.InsetRight - own.InsetRight);
        EXPECT_EQ(row.Grown.bottom, cell.InsetBottom - own.InsetBottom);
        const LMBitmapState& modified = *StateOf(ShadowPage.Preview, L"mod");
        EXPECT_EQ(row.Cells[0], SizeOf(modified));
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
    // Values of the wrong type or size: four bytes are read whatever the
    // type, more give the default, fewer fill the low bytes.
    WriteValue(key_, L"ShadowX", REG_SZ, TextBytes(L"abc"));
    WriteValue(key_, L"ShadowY", REG_QWORD, std::string(8, '\1'));
    WriteValue(key_, L"ShadowDark", REG_DWORD, Dword(999));
    WriteValue(key_, L"ShadowSharpness", REG_BINARY, std::string(1, '\3'));
    WriteValue(key_, L"DisableShadow", REG_BINARY, Dword(1));
    LoadShadowSettings();
    EXPECT_EQ((std::array<int, 5>{5, 5, 255, 3, 1}), InMemory());

    EXPECT_EQ(0, WriteSettingDword(1, L"DisableShadow"));
    EXPECT_EQ(DWORD(REG_BINARY), ReadValue(key_, L"DisableShadow").Type);
    EXPECT_EQ(1, WriteSettingDword(7, L"HotKey"));
    const RegValue written = ReadValue(key_, L"HotKey");
    EXPECT_EQ(std::make_pair(DWORD(REG_DWORD), Dword(7)),
              std::make_pair(written.Type, written.Bytes));

    ShadowValues = PanelShadowValues{};
    RenderShadowPreview();
    EXPECT_EQ((std::array<int, 5>{5, 5, 128, 9, 0}), StoredShadow(key_)) << "saved without ori";

    ShadowPage.Original = std::make_unique<LMBitmapState>(L"ori", new LMBitmap(8, 8, 0x10));
    CQVSliderObj slider(0, 100, 0, 255);
    for (int id : {19, 15, 24}) {
        SCOPED_TRACE(id);
        slider.ControlId = id;
        const LMState* before = ShadowPage.Preview->FindState(L"mod");
        OnSliderValue(&slider, 77);
        EXPECT_EQ(id == 19, ShadowPage.Preview->FindState(L"mod") != before) << "rendered again";
        EXPECT_EQ((std::array<int, 5>{5, 5, 77, 9, 0}), StoredShadow(key_));
        EXPECT_EQ(StoredShadow(key_), InMemory());
    }

    for (int mode : {1, 0}) {
        SetShadowMode(mode);
        const bool light = mode == 1;
        EXPECT_EQ((std::array<bool, 6>{!light, light, light, !light, !light, light}),
                  (std::array<bool, 6>{
                      ShadowPage.LightLink->Shown != 0, ShadowPage.OffsetLink->Shown != 0,
                      ShadowPage.LightPart->Shown != 0, ShadowPage.OffsetPart->Shown != 0,
                      ShadowPage.OffsetText->Shown != 0, ShadowPage.LightText->Shown != 0}));
    }
}

TEST_F(ComposeTest, ApplySetsTheAutostartThenTellsOrStartsTheEngine)
{
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    PathRemoveFileSpecW(program);
    const std::wstring engine = std::wstring(program) + L"\\Trivane.exe";
    const HWND window = reinterpret_cast<HWND>(0x5678);
    for (bool theme : {true, false}) {
        for (bool found : {true, false}) {
            SCOPED_TRACE(std::string(theme ? "theme" : "no theme") + (found ? ", found" : ""));
            PanelCurrentTheme = theme ? NamedTheme(L"Applied") : nullptr;
            ASSERT_TRUE(WriteBytesToFile(CurrentFile(), "x", 1));
            WriteValue(RunKey(), L"Pavolt", REG_SZ, TextBytes(L"old"));
            WriteValue(RunKey(), L"Trivane", REG_SZ, TextBytes(L"old"));
            world_.EngineWindow = found ? window : nullptr;
            world_.Posts.clear();
            world_.Launches.clear();
            ApplyCurrentTheme();
            const RegValue run = ReadValue(RunKey(), L"Trivane");
            EXPECT_EQ(theme ? TextBytes(L"\"" + engine + L"\"") : "", run.Bytes);
            EXPECT_EQ(DWORD(theme ? REG_SZ : REG_NONE), run.Type);
            EXPECT_EQ(DWORD(REG_NONE), ReadValue(RunKey(), L"Pavolt").Type);
            EXPECT_EQ(theme, PathFileExistsW(CurrentFile().c_str()) != FALSE);
            ASSERT_EQ(found ? 1u : 0u, world_.Posts.size());
            ASSERT_EQ(found ? 0u : 1u, world_.Launches.size());
            if (found) {
                const MSG& post = world_.Posts[0];
                EXPECT_EQ(std::make_tuple(window, PanelMessages.Reapply, WPARAM(0), LPARAM(0)),
                          std::make_tuple(post.hwnd, post.message, post.wParam, post.lParam));
            } else {
                const RecordingWorld::Launch& launch = world_.Launches[0];
                EXPECT_EQ(std::make_tuple(engine, false, false, dialog_, ULONG(0x200)),
                          std::make_tuple(launch.File, launch.WithParameters, launch.WithDirectory,
                                          launch.Owner, launch.Mask));
            }
        }
    }
    PanelRunKey = RunKey() + L"\\Missing";
    PanelCurrentTheme = NamedTheme(L"Applied");
    ApplyCurrentTheme();
    EXPECT_EQ(DWORD(REG_NONE), ReadValue(PanelRunKey, L"Trivane").Type);
}
