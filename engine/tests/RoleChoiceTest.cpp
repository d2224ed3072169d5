// Which theme cursor each system pointer slot is drawn with: the slot's own
// role, the button role, and the resize variants by the side of the window.

#include "RoleChoice.h"
#include "CTheme.h"
#include "EngineValues.h"
#include "TrackingStep.h"
#include "TrackingWorld.h"

#include <gtest/gtest.h>

namespace {

class RoleTest : public TrackingFixture {
protected:
    // The role drawn for the slot with the pointer at (x, y) over a window.
    int RoleAt(int slot, RECT window, int x, int y)
    {
        world_.Under = window_;
        world_.Windows[window_] = {L"Frame", window};
        PointerPos = POINT{x, y};
        return Role(ResolvePointer(slot, kCursorStateNormal));
    }

    const HWND window_ = FakeWindow(0x3000);
};

std::vector<TestCursor> AllRoles()
{
    std::vector<TestCursor> cursors;
    for (int role = 0; role < 20; ++role)
        cursors.push_back({role, 1});
    return cursors;
}

TEST_F(RoleTest, ResizeSlotsPickTheVariantOnItsSideOfTheWindow)
{
    struct Case {
        int Slot;
        RECT Window;
        int X;
        int Y;
        int Expected;
    };
    const RECT square = {0, 0, 100, 100};
    const RECT wide = {0, 0, 200, 100};
    const Case cases[] = {
        {8, square, 10, 50, 8},  {8, square, 10, 51, 9},   {9, square, 51, 10, 11},
        {9, square, 50, 10, 10}, {10, square, 10, 51, 13}, {10, square, 10, 50, 12},
        {11, wide, 150, 20, 14}, {11, wide, 20, 90, 15},
    };
    UseTheme(AllRoles());
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << c.Slot << " at " << c.X << "," << c.Y);
        EXPECT_EQ(c.Expected, RoleAt(c.Slot, c.Window, c.X, c.Y));
    }
}

TEST_F(RoleTest, WithoutTheVariantTheSlotKeepsItsOwnRole)
{
    UseTheme({{8, 1}});
    EXPECT_EQ(8, RoleAt(8, {0, 0, 100, 100}, 10, 51));
    world_.Under = nullptr;
    EXPECT_EQ(8, Role(ResolvePointer(8, kCursorStateNormal))) << "no window needed";
}

TEST_F(RoleTest, AVariantWithNoWindowToMeasureGivesNothing)
{
    UseTheme(AllRoles());
    for (HWND under : {HWND(nullptr), FakeWindow(0x3999)}) {
        for (int slot = 8; slot <= 11; ++slot) {
            SCOPED_TRACE(testing::Message() << "slot " << slot << " window " << under);
            world_.Under = under;
            EXPECT_EQ(nullptr, ResolvePointer(slot, kCursorStateNormal));
        }
    }
}

TEST_F(RoleTest, OtherSlotsHaveOneRoleEach)
{
    UseTheme(AllRoles());
    const int expected[] = {1, 2, 3, 4, 5, 6, 7};
    for (int slot = 1; slot <= 7; ++slot) {
        SCOPED_TRACE(testing::Message() << "slot " << slot);
        EXPECT_EQ(expected[slot - 1], Role(ResolvePointer(slot, kCursorStateNormal)));
    }
    for (int slot : {12, 13, 14}) {
        SCOPED_TRACE(testing::Message() << "slot " << slot);
        EXPECT_EQ(slot + 4, Role(ResolvePointer(slot, kCursorStateNormal)));
    }
    for (int slot : {-1, 15, 1000})
        EXPECT_EQ(nullptr, ResolvePointer(slot, kCursorStateNormal)) << "slot " << slot;
}

TEST_F(RoleTest, AnEntryWithoutPixelsCountsAsMissing)
{
    UseTheme({{0, 1}, {5, 1}, {8, 1}, {9, 1}});
    for (int role : {0, 5, 9})
        StripPixels(role, 1);
    EXPECT_EQ(nullptr, ResolvePointer(0, kCursorStateNormal));
    EXPECT_EQ(nullptr, ResolvePointer(5, kCursorStateNormal));
    EXPECT_EQ(8, RoleAt(8, {0, 0, 100, 100}, 10, 90)) << "the variant is missing";
}

class ButtonTest : public TrackingFixture {
protected:
    int RoleOf(const std::wstring& className, DWORD style)
    {
        world_.Windows[button_] = {className, {0, 0, 80, 24}, WS_CHILD | style};
        return ButtonContextRole(button_);
    }

    // The pointer over a control inside a dialog.
    void OverControl(DWORD style)
    {
        world_.Windows[dialog_] = {L"#32770", {0, 0, 300, 200}, WS_POPUP};
        world_.Windows[dialog_].Child = button_;
        world_.Windows[button_] = {L"Button", {20, 20, 100, 44}, WS_CHILD | style};
        world_.Under = dialog_;
        PointerPos = POINT{30, 30};
    }

    const HWND dialog_ = FakeWindow(0x4000);
    const HWND button_ = FakeWindow(0x4001);
};

TEST_F(ButtonTest, PushButtonsCheckBoxesAndRadioButtonsAreButtons)
{
    struct Case {
        const wchar_t* Class;
        DWORD Style;
        int Expected;
    };
    const Case cases[] = {
        {L"Button", 0x00, 19}, {L"Button", 0x22, 19}, {L"Button", 0x0B, 19},
        {L"Button", 0x05, -1}, {L"Button", 0x06, -1}, {L"Button", 0x07, -1},
        {L"Button", 0x08, -1}, {L"button", 0x00, -1}, {L"Static", 0x00, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << Narrow(c.Class) << " style " << c.Style);
        EXPECT_EQ(c.Expected, RoleOf(c.Class, c.Style));
    }
    EXPECT_EQ(-1, RoleOf(L"Button" + std::wstring(120, L'x'), 0)) << "a long class name";
    EXPECT_EQ(-1, ButtonContextRole(nullptr));
    EXPECT_EQ(-1, ButtonContextRole(FakeWindow(0x4999))) << "a window that has gone";
}

TEST_F(ButtonTest, TheArrowOverAButtonIsTheButtonCursorWhenTheThemeHasOne)
{
    struct Case {
        const char* Name;
        std::vector<TestCursor> Theme;
        DWORD Style;
        int Expected;
    };
    const Case cases[] = {
        {"push button", {{0, 1}, {19, 1}}, BS_PUSHBUTTON, 19},
        {"push button, no role 19", {{0, 1}}, BS_PUSHBUTTON, 0},
        {"group box", {{0, 1}, {19, 1}}, BS_GROUPBOX, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Restart();
        UseTheme(c.Theme);
        OverControl(c.Style);
        EXPECT_EQ(c.Expected, Role(ResolvePointer(0, kCursorStateNormal)));
    }
}

// Real windows: a visible child inside a visible child, with a hidden
// sibling above the inner one.
class ChildWindowTest : public testing::Test {
protected:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        return DefWindowProcW(window, message, wParam, lParam);
    }

    void SetUp() override
    {
        ResetEngineState();
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClass;
        RegisterClassW(&windowClass);
    }
    void TearDown() override { ResetEngineState(); }

    HWND Make(HWND parent, int x, int y, int size, bool visible)
    {
        DWORD style = (parent ? WS_CHILD : WS_POPUP) | (visible ? WS_VISIBLE : 0);
        return CreateWindowExW(parent ? 0 : WS_EX_TOPMOST, kClass, L"", style, x, y, size, size,
                               parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    }

    static constexpr const wchar_t* kClass = L"TrivaneNestedTest";
};

TEST_F(ChildWindowTest, TheDeepestVisibleChildUnderThePointerIsFound)
{
    ScopedWindow top(Make(nullptr, 200, 200, 300, true));
    ScopedWindow middle(Make(top.Get(), 50, 50, 200, true));
    ScopedWindow inner(Make(middle.Get(), 20, 20, 100, true));
    ScopedWindow hidden(Make(middle.Get(), 0, 0, 200, false));
    ASSERT_TRUE(top && middle && inner && hidden);
    UpdateWindow(top.Get());
    PointerPos = POINT{200 + 50 + 20 + 10, 200 + 50 + 20 + 10};
    EXPECT_EQ(inner.Get(), ChildWindowAtCursor());
    PointerPos = POINT{200 + 50 + 150, 200 + 50 + 150};
    EXPECT_EQ(middle.Get(), ChildWindowAtCursor());
    PointerPos = POINT{200 + 10, 200 + 10};
    EXPECT_EQ(top.Get(), ChildWindowAtCursor());
}

}  // namespace
