// What one tracking step asks of the window system, with a real pointer
// window: a switch, a new frame and a move reach it as at most one call, and
// the position comes with the cursor query.

#include "CPointer.h"
#include "CTheme.h"
#include "EngineTestSupport.h"
#include "EngineValues.h"
#include "LMClock.h"
#include "SystemCursorTable.h"
#include "TempFolder.h"
#include "TrackingStep.h"
#include "TrackingValues.h"
#include "WindowCallCounter.h"

#include <gtest/gtest.h>

namespace {

// The real world, but for the pointer the system shows and where.
class ShownCursorWorld : public EngineWorld {
public:
    BOOL GetCursorPos(POINT* point) override
    {
        ++CursorQueries;
        *point = Position;
        return TRUE;
    }
    BOOL GetCursorInfo(CURSORINFO* info) override
    {
        ++CursorQueries;
        info->hCursor = Shown;
        info->flags = CURSOR_SHOWING;
        info->ptScreenPos = Position;
        return TRUE;
    }

    HCURSOR Shown = nullptr;
    POINT Position = {400, 300};
    int CursorQueries = 0;
};

DWORD g_now = 0;

HCURSOR Dummy(int slot)
{
    return reinterpret_cast<HCURSOR>(static_cast<uintptr_t>(0x9000 + slot));
}

class TrackingWindowCalls : public testing::Test {
protected:
    void SetUp() override
    {
        ResetEngineState();
        EngineInstance = GetModuleHandleW(nullptr);
        LMSetClockSource([] { return g_now; });
        ASSERT_TRUE(counter_.Bound());
    }
    void TearDown() override
    {
        LMSetClockSource(nullptr);
        for (int slot : {0, 5})
            SystemCursorSlots[slot].Dummy = nullptr;
        ResetEngineState();
    }

    // An engine drawing the arrow's looping animation at the pointer.
    void DrawArrow()
    {
        ResetEngineState();
        auto theme = MakeTestTheme({{0, 1, 32, 32, 4}, {5, 1, 24, 40, 4}});
        for (int i = 0; CThemeCursor* cursor = theme->GetCursorAt(i); ++i) {
            cursor->Loop = 1;
            cursor->Interval = 50;
        }
        std::wstring path = folder_.File(L"CurrentTheme.Trivane");
        ASSERT_TRUE(SaveTestTheme(path, *theme));
        EnginePointer = std::make_unique<CPointer>();
        ASSERT_EQ(1, EnginePointer->LoadThemeFrom(path.c_str()));
        for (int slot : {0, 5})
            SystemCursorSlots[slot].Dummy = Dummy(slot);
        EngineEnabled = 1;
        DummyVerified = 1;
        world_.Shown = Dummy(0);
        g_now += 1000;
        UpdateStep();
        ASSERT_EQ(1, EnginePointer->Shown);
        ASSERT_EQ(L"0-1", EnginePointer->CurrentState->Name);
    }

    TempFolder folder_;
    WindowCallCounter counter_;
    ShownCursorWorld world_;
    ScopedWorld scope_{&world_};
};

}  // namespace

TEST_F(TrackingWindowCalls, EachKindOfStepMakesAtMostOneWindowCall)
{
    struct Case {
        const char* Name;
        bool Switch, Move, Frame;
        int Layered, Moves;
    };
    const Case cases[] = {
        {"still", false, false, false, 0, 0},
        {"move only", false, true, false, 0, 1},
        {"frame only", false, false, true, 1, 0},
        {"move and frame", false, true, true, 1, 0},
        {"switch, move and frame", true, true, true, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        DrawArrow();
        if (c.Switch)
            world_.Shown = Dummy(5);
        if (c.Move)
            world_.Position = POINT{world_.Position.x + 7, world_.Position.y + 3};
        if (c.Frame)
            g_now += 100;
        WindowCallCounter::Calls.clear();
        world_.CursorQueries = 0;
        UpdateStep();
        const WindowCalls& made = WindowCallCounter::Calls[EnginePointer->Window];
        EXPECT_EQ(c.Layered, made.Layered);
        EXPECT_EQ(c.Moves, made.Moves);
        EXPECT_EQ(1, world_.CursorQueries) << "GetCursorInfo gives the position too";
        EXPECT_EQ(c.Switch ? L"5-1" : L"0-1", EnginePointer->CurrentState->Name);
        RECT bounds{}, window{};
        EnginePointer->GetBounds(&bounds);
        GetWindowRect(EnginePointer->Window, &window);
        EXPECT_EQ(bounds.left, window.left);
        EXPECT_EQ(bounds.top, window.top);
        EXPECT_EQ(world_.Position.x, PointerPos.x);
    }
}
