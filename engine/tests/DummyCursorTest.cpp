// The dummy cursor: its resource in the built engine program, the fingerprint
// that tells it from a real pointer, and the real engine window that uses it.

#include "DummyCursor.h"
#include "CPointer.h"
#include "CTheme.h"
#include "ChildProcess.h"
#include "CursorSubstitution.h"
#include "EngineTestSupport.h"
#include "EngineValues.h"
#include "ScopedWin.h"
#include "SystemCursorModel.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

// The engine program is built one folder above this test program.
ScopedModule LoadEngineProgram()
{
    std::wstring engine = ProductFolder() + L"\\Trivane.exe";
    return ScopedModule(LoadLibraryExW(engine.c_str(), nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

HCURSOR LoadDummy(HMODULE engine)
{
    return LoadCursorW(engine, MAKEINTRESOURCEW(kDummyCursorResource));
}

CursorPicture Dummy()
{
    CursorPicture picture;
    picture.HotX = 19;
    picture.HotY = 23;
    picture.Width = 32;
    picture.Height = 64;
    picture.RowBytes = 4;
    picture.Mask.assign(256, 0x00);
    std::fill(picture.Mask.begin(), picture.Mask.begin() + 128, 0xFF);
    return picture;
}

TEST(DummyCursorTest, TheEngineProgramHoldsABlankCursorWithHotSpot19_23)
{
    ScopedModule engine = LoadEngineProgram();
    ASSERT_TRUE(engine.IsValid()) << "Trivane.exe beside the tests' folder";
    HCURSOR cursor = LoadDummy(engine.Get());
    ASSERT_NE(nullptr, cursor);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    ScopedBitmap mask(info.hbmMask);
    ScopedBitmap colour(info.hbmColor);
    EXPECT_EQ(19u, info.xHotspot);
    EXPECT_EQ(23u, info.yHotspot);
    EXPECT_EQ(nullptr, info.hbmColor) << "monochrome";
    BITMAP bitmap = {};
    ASSERT_NE(0, GetObjectW(mask.Get(), sizeof(bitmap), &bitmap));
    ASSERT_EQ(32, bitmap.bmWidth);
    ASSERT_EQ(64, bitmap.bmHeight);
    ASSERT_EQ(1, bitmap.bmBitsPixel);
    std::vector<uint8_t> bits(static_cast<size_t>(bitmap.bmWidthBytes) * 64);
    ASSERT_EQ(static_cast<LONG>(bits.size()),
              GetBitmapBits(mask.Get(), static_cast<LONG>(bits.size()), bits.data()));
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 32 / 8; ++x) {
            uint8_t expected = y < 32 ? 0xFF : 0x00;  // AND half, then XOR half
            ASSERT_EQ(expected, bits[static_cast<size_t>(y) * bitmap.bmWidthBytes + x])
                << "row " << y << " byte " << x;
        }
    }
    // The fingerprint, read the engine's way: the dummy has it, the arrow not.
    EXPECT_TRUE(ShowsDummy(cursor));
    EXPECT_FALSE(ShowsDummy(LoadCursorW(nullptr, IDC_ARROW)));
    EXPECT_FALSE(ShowsDummy(nullptr));
}

TEST(DummyCursorTest, OnlyABlankMonochromePictureWithTheHotSpotIsTheDummy)
{
    struct Case {
        const char* Name;
        void (*Change)(CursorPicture&);
        bool Expected;
    };
    const Case cases[] = {
        {"the dummy", [](CursorPicture&) {}, true},
        {"hot spot (19, 22)", [](CursorPicture& p) { p.HotY = 22; }, false},
        {"hot spot (0, 23)", [](CursorPicture& p) { p.HotX = 0; }, false},
        {"a colour bitmap", [](CursorPicture& p) { p.HasColour = true; }, false},
        {"one AND bit clear", [](CursorPicture& p) { p.Mask[127] = 0xFE; }, false},
        {"one XOR bit set", [](CursorPicture& p) { p.Mask[200] = 0x10; }, false},
        {"no pixels",
         [](CursorPicture& p) {
             p.Width = p.Height = p.RowBytes = 0;
             p.Mask.clear();
         },
         false},
        {"a short mask", [](CursorPicture& p) { p.Mask.resize(255); }, false},
        {"an odd height", [](CursorPicture& p) { p.Height = 63; }, false},
        {"rows too narrow", [](CursorPicture& p) { p.RowBytes = 3; }, false},
        {"padding bits do not count",
         [](CursorPicture& p) {
             p.Width = 30;
             p.Mask[3] = 0xFC;
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        CursorPicture picture = Dummy();
        c.Change(picture);
        EXPECT_EQ(c.Expected, IsDummyPicture(picture));
    }
}

// A real "Pavolt" window from the engine program's own resources; the system
// pointers themselves are simulated.
class EngineWindowCursorTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResetEngineState();
        ResetCursorSubstitution();
        ASSERT_TRUE(engine_.IsValid());
        EngineInstance = reinterpret_cast<HINSTANCE>(engine_.Get());
        EnginePointer = std::make_unique<CPointer>();
        ASSERT_TRUE(SaveTestTheme(folder_.File(L"CurrentTheme.Trivane"), {{0, 1}}));
        ASSERT_EQ(1, EnginePointer->LoadThemeFrom(folder_.File(L"CurrentTheme.Trivane").c_str()));
        ASSERT_NE(nullptr, static_cast<HWND>(EngineWindow));
    }
    void TearDown() override
    {
        ResetCursorSubstitution();
        ResetEngineState();
    }

    ScopedModule engine_ = LoadEngineProgram();
    TempFolder folder_;
};

TEST_F(EngineWindowCursorTest, TheWindowClassUsesTheDummy)
{
    HCURSOR classCursor = reinterpret_cast<HCURSOR>(GetClassLongPtrW(EngineWindow, GCLP_HCURSOR));
    EXPECT_NE(nullptr, classCursor);
    EXPECT_TRUE(ShowsDummy(classCursor));
}

TEST_F(EngineWindowCursorTest, EnableAndDisableSetTitleMarkAndVisibility)
{
    CursorWorld<EngineWorld> world;
    world.Cursors.Module = EngineInstance;
    ScopedWorld scope(&world);
    HWND window = EngineWindow;
    wchar_t title[32] = {};
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        SetWindowTextW(window, L"before");
        EnableEngine();
        EXPECT_EQ(0, GetWindowTextW(window, title, 32));
        EXPECT_EQ(EngineActiveMark, GetWindowLongPtrW(window, GWLP_USERDATA));
        EXPECT_EQ(SystemCursorModel::kDummyPicture, world.Cursors.Showing(32512));
        EnginePointer->Show();
        EXPECT_TRUE(IsWindowVisible(window));
        DisableEngine();
        EXPECT_FALSE(IsWindowVisible(window));
        EXPECT_EQ(0, EnginePointer->Shown);
        GetWindowTextW(window, title, 32);
        EXPECT_STREQ(L"Disabled", title);
        EXPECT_EQ(0, GetWindowLongPtrW(window, GWLP_USERDATA));
        EXPECT_EQ(32512, world.Cursors.Showing(32512));
    }
    EXPECT_EQ(0, world.Cursors.LiveCopies());
    EXPECT_EQ(0, world.Cursors.LiveBitmaps());
}

}  // namespace
