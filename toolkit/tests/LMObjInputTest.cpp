// Mouse input through a toolkit window: hover, press, double click, drag
// with edge snapping, release, and group drags.

#include "LMObjWindowTestSupport.h"
#include "LMSnap.h"
#include "ScopedWin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using Events = std::vector<std::wstring>;

// A root-level plain window, 100 x 40 at (100, 500), hit everywhere.
class WindowInput : public ToolkitWindowTest {
protected:
    void SetUp() override
    {
        ToolkitWindowTest::SetUp();
        window.AddState(HitState(L"Default", 100, 40, LMHitWholeFrame));
        window.MoveTo(100, 500);
        window.Realize();
        window.Show();
        hwnd = window.Window;
    }

    LRESULT Send(UINT message, int x, int y)
    {
        WPARAM keys = message == WM_LBUTTONDOWN ? MK_LBUTTON : 0;
        return SendMessageW(hwnd, message, keys, ClientPoint(x, y));
    }
    // The cursor goes to (x, y) of the window's client area, then the message.
    LRESULT At(UINT message, int x, int y)
    {
        g_testCursor = POINT{window.VisibleX + x, window.VisibleY + y};
        return Send(message, x, y);
    }

    InputObj window{LMObjPlainWindow};
    HWND hwnd = nullptr;
};

// A holder window 100 x 60 that is never hit itself, with children.
class ChildInput : public WindowInput {
protected:
    void SetUp() override
    {
        WindowInput::SetUp();
        holder.AddState(HitState(L"Default", 100, 60, LMHitNever));
        holder.MoveTo(300, 100);
        holder.Realize();
        holder.Show();
        hwnd = holder.Window;
    }
    // A 20 x 20 child at (x, y) in the holder, hit everywhere.
    void Place(InputObj& child, int x, int y)
    {
        child.AddState(HitState(L"Default", 20, 20, LMHitWholeFrame));
        child.SetParent(&holder);
        child.MoveTo(x, y);
        child.Realize();
        child.Show();
    }
    LRESULT Move(int x, int y) { return SendMessageW(hwnd, WM_MOUSEMOVE, 0, ClientPoint(x, y)); }

    InputObj holder{LMObjPlainWindow};
};

}  // namespace

TEST_F(ChildInput, TheLastChildUnderThePointIsHitFirst)
{
    InputObj a, b, hidden;
    Place(a, 10, 10);
    Place(b, 20, 20);
    Place(hidden, 22, 22);
    hidden.Hide();
    Move(25, 25);
    EXPECT_EQ(&b, HoveredObject);
    Move(15, 15);
    EXPECT_EQ(&a, HoveredObject);
    Move(80, 50);
    EXPECT_EQ(nullptr, HoveredObject) << "the holder itself is never hit";
    EXPECT_EQ(nullptr, holder.HitTestTree(41, 41)) << "a hidden child hits nothing";
    holder.Hide();
    EXPECT_EQ(nullptr, holder.HitTestTree(25, 25)) << "nor does anything in a hidden holder";
}

TEST_F(ChildInput, ABitmapChildIsHitWhereItsAlphaIsAbove15)
{
    InputObj child;
    auto bitmap = MakeBitmap(2, 1, LMBitmapHasAlpha, {Bgra(0, 0, 0, 15), Bgra(0, 0, 0, 16)});
    auto* state = new LMBitmapState(L"Default", bitmap.release());
    child.AddState(state);
    child.SetParent(&holder);
    child.MoveTo(30, 30);
    child.Realize();
    child.Show();
    Move(30, 30);
    EXPECT_EQ(nullptr, HoveredObject);
    Move(31, 30);
    EXPECT_EQ(&child, HoveredObject);
}

TEST_F(ChildInput, EnteringAndLeavingAreReportedOnce)
{
    InputObj a, b;
    Place(a, 10, 10);
    Place(b, 50, 10);
    Move(12, 12);
    Move(14, 14);
    EXPECT_EQ(Events{L"enter"}, a.Events);
    Move(55, 12);
    EXPECT_EQ((Events{L"enter", L"leave"}), a.Events);
    EXPECT_EQ(std::vector<LMObj*>{&b}, a.LeaveNext);
    EXPECT_EQ(Events{L"enter"}, b.Events);
    Move(90, 50);
    EXPECT_EQ(std::vector<LMObj*>{nullptr}, b.LeaveNext);
}

TEST_F(ChildInput, OnlyTheWindowHoldingTheHoveredObjectHearsItsLeave)
{
    InputObj child;
    Place(child, 10, 10);
    Move(12, 12);
    ASSERT_EQ(&child, HoveredObject);
    EXPECT_EQ(0, SendMessageW(window.Window, WM_MOUSELEAVE, 0, 0));
    EXPECT_EQ(&child, HoveredObject) << "a leave from another toolkit window is ignored";
    EXPECT_EQ(Events{L"enter"}, child.Events);
    SendMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(nullptr, HoveredObject);
    EXPECT_EQ((Events{L"enter", L"leave"}), child.Events);
    EXPECT_EQ(0, holder.MouseTracked);
}

// The leave of an adopted window can come after the mouse has moved into
// another window; and a press there may come without a move inside it.
TEST_F(ChildInput, AnAdoptedWindowIgnoresAStaleLeaveAndPressesWhereTheMouseIs)
{
    ScopedWindow host(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 600, 100, 60, 40,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    InputObj adopted(host.Get());
    adopted.Realize();
    adopted.Show();
    InputObj inAdopted, inHolder;
    inAdopted.AddState(HitState(L"Default", 20, 20, LMHitWholeFrame));
    inAdopted.SetParent(&adopted);
    inAdopted.MoveTo(10, 10);
    inAdopted.Realize();
    inAdopted.Show();
    Place(inHolder, 10, 10);
    Move(12, 12);
    ASSERT_EQ(&inHolder, HoveredObject);
    SendMessageW(host.Get(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(&inHolder, HoveredObject);
    EXPECT_EQ(Events{L"enter"}, inHolder.Events);

    for (UINT press : {WM_RBUTTONDOWN, WM_LBUTTONDOWN}) {
        SCOPED_TRACE(press);
        HoveredObject = &inHolder;
        g_testCursor = POINT{612, 112};
        SendMessageW(host.Get(), press, 0, ClientPoint(12, 12));
        SendMessageW(host.Get(), press + 1, 0, ClientPoint(12, 12));
        EXPECT_EQ(&inAdopted, HoveredObject);
    }
    EXPECT_EQ((Events{L"enter", L"rdown", L"ldown", L"lup"}), inAdopted.Events);
}

TEST_F(ChildInput, MovesGiveTheHoveredChildItsOwnCoordinates)
{
    class Mover : public InputObj {
    public:
        int OnMouseMove(int x, int y) override
        {
            Moves.push_back(POINT{x, y});
            return InputObj::OnMouseMove(x, y);
        }
        std::vector<POINT> Moves;
    } child;
    Place(child, 10, 10);
    Move(17, 13);
    ASSERT_EQ(1u, child.Moves.size());
    EXPECT_EQ(7, child.Moves[0].x);
    EXPECT_EQ(3, child.Moves[0].y);
}

TEST_F(WindowInput, AMoveOfFivePixelsIsNoDragAndSixIs)
{
    window.ForwardDrag = false;
    At(WM_MOUSEMOVE, 20, 8);
    At(WM_LBUTTONDOWN, 20, 8);
    EXPECT_EQ(20, PressPoint.x);
    EXPECT_EQ(8, PressPoint.y);
    EXPECT_EQ(hwnd, GetCapture());
    EXPECT_EQ(LMButtonLeft, ButtonState);
    struct Row {
        int dx, dy;
    } still[] = {{-5, 5}, {5, -5}, {5, 5}, {-5, -5}, {0, 5}};
    for (const Row& row : still) {
        SCOPED_TRACE(testing::Message() << row.dx << ", " << row.dy);
        At(WM_MOUSEMOVE, 20 + row.dx, 8 + row.dy);
        EXPECT_TRUE(window.Drags.empty());
        EXPECT_EQ(0, window.DragStarted);
    }
    g_testCursor = POINT{120, 502};
    Send(WM_MOUSEMOVE, 20, 2);
    EXPECT_EQ(1, window.DragStarted);
    EXPECT_EQ(1, window.Dragging);
    ASSERT_EQ(1u, window.Drags.size());
    EXPECT_EQ((DragCall{20, 2, 120 - 20, 502 - 8}), window.Drags[0]);
}

TEST_F(WindowInput, ADragMovesTheWindowAndEndsWithTheRelease)
{
    At(WM_MOUSEMOVE, 20, 8);
    At(WM_LBUTTONDOWN, 20, 8);
    g_testCursor = POINT{150, 530};
    Send(WM_MOUSEMOVE, 50, 30);
    EXPECT_EQ((RECT{130, 522, 230, 562}), WindowRect(hwnd));
    EXPECT_EQ(130, window.VisibleX);
    EXPECT_EQ(522, window.VisibleY);
    window.Events.clear();
    Send(WM_LBUTTONUP, -7, -3);
    ASSERT_EQ(1u, window.Releases.size());
    EXPECT_EQ((ButtonCall{-7, -3, 1}), window.Releases[0]);
    EXPECT_EQ((Events{L"lup", L"dragend"}), window.Events);
    EXPECT_EQ(0, window.Dragging);
    EXPECT_EQ(LMButtonNone, ButtonState);
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(ChildInput, AReleaseOutsideReachesThePressedChildInItsCoordinates)
{
    InputObj child;
    child.ForwardDrag = false;
    Place(child, 10, 10);
    Move(15, 15);
    g_testCursor = POINT{300 + 15, 100 + 15};
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(15, 15));
    g_testCursor = POINT{300 - 7, 100 - 3};
    Move(-7, -3);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, ClientPoint(-7, -3));
    ASSERT_EQ(1u, child.Releases.size());
    EXPECT_EQ((ButtonCall{-17, -13, 1}), child.Releases[0]);
    EXPECT_EQ(L"dragend", child.Events.back());
}

TEST_F(ChildInput, AChildThatDeletesItselfOnReleaseGetsNoDragEnd)
{
    auto* child = new InputObj;
    child->ForwardDrag = false;
    Place(*child, 10, 10);
    bool deleted = false;
    child->OnRelease = [&] {
        delete child;
        deleted = true;
    };
    Move(15, 15);
    g_testCursor = POINT{315, 115};
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(15, 15));
    g_testCursor = POINT{340, 140};
    Move(40, 40);
    ASSERT_EQ(1, child->Dragging);
    EXPECT_EQ(0, SendMessageW(hwnd, WM_LBUTTONUP, 0, ClientPoint(40, 40)));
    EXPECT_TRUE(deleted);
    EXPECT_EQ(nullptr, HoveredObject);
    EXPECT_EQ(0, holder.ChildCount());
}

TEST_F(WindowInput, AWindowObjectThatDeletesItselfOnReleaseTakesItsWindowAlong)
{
    auto* owner = new InputObj(LMObjPlainWindow);
    owner->AddState(HitState(L"Default", 30, 30, LMHitWholeFrame));
    owner->MoveTo(600, 600);
    owner->Realize();
    owner->Show();
    HWND ownerWindow = owner->Window;
    owner->OnRelease = [&] { delete owner; };
    SendMessageW(ownerWindow, WM_MOUSEMOVE, 0, ClientPoint(5, 5));
    SendMessageW(ownerWindow, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(5, 5));
    ASSERT_EQ(owner, HoveredObject);
    EXPECT_EQ(0, SendMessageW(ownerWindow, WM_LBUTTONUP, 0, ClientPoint(5, 5)));
    EXPECT_FALSE(IsWindow(ownerWindow));
    EXPECT_EQ(nullptr, HoveredObject);
}

TEST_F(ChildInput, APressOnEmptySpaceOnlyCaptures)
{
    InputObj child;
    Place(child, 10, 10);
    Move(80, 50);
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(80, 50));
    EXPECT_EQ(hwnd, GetCapture());
    EXPECT_EQ(LMButtonLeft, ButtonState);
    EXPECT_EQ(nullptr, PressedObject);
    EXPECT_EQ(nullptr, FocusObject);
    EXPECT_TRUE(child.Presses.empty());
    SendMessageW(hwnd, WM_LBUTTONUP, 0, ClientPoint(80, 50));
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(ChildInput, AThrowingHandlerLeavesTheMessageHandled)
{
    InputObj child;
    child.ThrowOnPress = true;
    Place(child, 10, 10);
    Move(15, 15);
    EXPECT_EQ(0, SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(15, 15)));
    EXPECT_EQ(1u, child.Presses.size());
    EXPECT_EQ(LMButtonLeft, ButtonState);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, ClientPoint(15, 15));
    EXPECT_EQ(1u, child.Releases.size()) << "the window goes on working";
}

TEST_F(WindowInput, TwoPressesWithin500MsAreADoubleClick)
{
    auto press = [&](DWORD now) {
        g_testNow = now;
        At(WM_LBUTTONDOWN, 20, 8);
        At(WM_LBUTTONUP, 20, 8);
    };
    At(WM_MOUSEMOVE, 20, 8);
    press(5000);
    EXPECT_EQ(&window, PressedObject);
    EXPECT_EQ(&window, FocusObject);
    press(5450);
    EXPECT_EQ((Events{L"enter", L"ldown", L"lup", L"ldown", L"double", L"lup"}), window.Events);
    EXPECT_EQ(nullptr, PressedObject);
    EXPECT_EQ(1, NoDragFlag);
    press(5460);
    EXPECT_EQ(1, std::count(window.Events.begin(), window.Events.end(), L"double"))
        << "the next press is a single click";
    EXPECT_EQ(&window, PressedObject);
    EXPECT_EQ(5460u, PressTime);
    press(5960);
    EXPECT_EQ(1, std::count(window.Events.begin(), window.Events.end(), L"double"))
        << "500 ms later is a single click";
    press(6459);
    EXPECT_EQ(2, std::count(window.Events.begin(), window.Events.end(), L"double"));
}

TEST_F(WindowInput, AfterADoubleClickTheRestOfThePressHovers)
{
    window.ForwardDrag = false;
    At(WM_MOUSEMOVE, 20, 8);
    At(WM_LBUTTONDOWN, 20, 8);
    At(WM_LBUTTONUP, 20, 8);
    g_testNow += 100;
    At(WM_LBUTTONDOWN, 20, 8);
    At(WM_MOUSEMOVE, 60, 30);
    EXPECT_TRUE(window.Drags.empty());
}

TEST(LMSnap, EdgesWithin13PixelsPullAndTheWorkAreaWins)
{
    RECT monitor{0, 0, 1280, 1024};
    RECT work{10, 0, 1280, 1014};
    struct Row {
        int newX, newY, snapX, snapY;
    } rows[] = {
        {23, 500, 13, 0},    {24, 500, 0, 0},    {5, 500, -5, 0},  {-13, 500, -13, 0},
        {1167, 500, -13, 0}, {1193, 500, 13, 0}, {300, 980, 0, 6}, {300, 961, 0, -13},
        {300, 960, 0, 0},    {300, -13, 0, -13},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.newX << ", " << row.newY);
        LMSnapRequest request;
        request.NewX = row.newX;
        request.NewY = row.newY;
        request.Width = 100;
        request.Height = 40;
        LMSnapToMonitor(request, monitor, work);
        EXPECT_EQ(row.snapX, request.SnapX);
        EXPECT_EQ(row.snapY, request.SnapY);
    }
}

TEST(LMSnap, TheFirstMonitorThatSnapsAnAxisKeepsIt)
{
    LMSnapRequest request;
    request.NewX = 1285;
    request.NewY = 10;
    request.Width = 100;
    request.Height = 40;
    LMSnapToMonitor(request, RECT{0, 0, 1280, 1024}, RECT{0, 0, 1280, 1024});
    LMSnapToMonitor(request, RECT{1280, 0, 2560, 1024}, RECT{1280, 0, 2560, 1024});
    EXPECT_EQ(5, request.SnapX) << "the left edge of the second monitor";
    EXPECT_EQ(10, request.SnapY) << "the top of the first";
}

TEST_F(WindowInput, ADraggedSnapObjectLandsOnTheNearestEdge)
{
    g_testMonitors = {{RECT{0, 0, 1280, 1024}, RECT{10, 0, 1280, 1014}}};
    window.ForwardDrag = false;
    window.SnapMode = kLMSnapToEdges;
    struct Row {
        int newX, newY, landX, landY;
        bool ctrl;
        int32_t snapMode;
    } rows[] = {
        {23, 500, 10, 500, false, kLMSnapToEdges}, {24, 500, 24, 500, false, kLMSnapToEdges},
        {5, 500, 10, 500, false, kLMSnapToEdges},  {300, 980, 300, 974, false, kLMSnapToEdges},
        {23, 980, 23, 980, true, kLMSnapToEdges},  {23, 980, 23, 980, false, 0},
    };
    At(WM_MOUSEMOVE, 20, 8);
    At(WM_LBUTTONDOWN, 20, 8);
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.newX << ", " << row.newY);
        g_testCtrl = row.ctrl;
        window.SnapMode = row.snapMode;
        window.Drags.clear();
        POINT cursor{row.newX + 20, row.newY + 8};
        g_testCursor = cursor;
        Send(WM_MOUSEMOVE, cursor.x - 100, cursor.y - 500);
        ASSERT_EQ(1u, window.Drags.size());
        int snapX = row.newX - row.landX, snapY = row.newY - row.landY;
        POINT own{cursor.x - window.VisibleX, cursor.y - window.VisibleY};
        EXPECT_EQ((DragCall{own.x + snapX, own.y + snapY, row.landX, row.landY}), window.Drags[0]);
    }
}

TEST_F(WindowInput, AGroupDragMovesEveryWindowOfTheGroupByTheSameDelta)
{
    InputObj partner(LMObjPlainWindow), stranger(LMObjPlainWindow);
    for (InputObj* obj : {&partner, &stranger}) {
        obj->AddState(HitState(L"Default", 30, 20, LMHitWholeFrame));
        obj->Realize();
    }
    partner.MoveTo(700, 100);
    stranger.MoveTo(700, 300);
    window.SetGroupName(L"g");
    partner.SetGroupName(L"g");
    EXPECT_EQ(1, window.OnDrag(0, 0, 130, 480));
    EXPECT_EQ((RECT{130, 480, 230, 520}), WindowRect(window.Window));
    EXPECT_EQ((RECT{730, 80, 760, 100}), WindowRect(partner.Window));
    EXPECT_EQ(730, partner.AnchorX);
    EXPECT_EQ(80, partner.VisibleY);
    EXPECT_EQ((RECT{700, 300, 730, 320}), WindowRect(stranger.Window));
    ASSERT_FALSE(partner.Positions.empty());
    EXPECT_EQ((PositionReport{730, 80, 0, 0, 1}), partner.Positions.back());
    EXPECT_EQ(0, ToolkitMoveCount);
}

TEST_F(ChildInput, ChildrenOfAGroupMoveTogetherInsideTheirParent)
{
    InputObj a, b, c, grip;
    Place(a, 10, 10);
    Place(b, 40, 10);
    Place(c, 70, 10);
    a.SetGroupName(L"row");
    b.SetGroupName(L"row");
    EXPECT_EQ(1, b.OnDrag(0, 0, 45, 20));
    EXPECT_EQ(15, a.VisibleX);
    EXPECT_EQ(20, a.VisibleY);
    EXPECT_EQ(45, b.VisibleX);
    EXPECT_EQ(70, c.VisibleX);

    a.Movable = 0;
    EXPECT_EQ(0, a.OnDrag(0, 0, 0, 0)) << "an object that cannot move";

    holder.SetGroupName(L"frame");
    grip.SetGroupName(L"frame");
    Place(grip, 5, 5);
    EXPECT_EQ(1, grip.OnDrag(1, 1, 10, 5)) << "a grip in its parent's group drags the parent";
    EXPECT_EQ((RECT{305, 100, 405, 160}), WindowRect(holder.Window));
}

TEST_F(ChildInput, TheJointFlagBringsASiblingAndItsOwnGroupAlong)
{
    InputObj a, b, c, d, e;
    for (InputObj* obj : {&a, &b, &c, &d, &e})
        obj->SetParent(&holder);
    a.JointFlag = 1;
    c.JointFlag = 1;
    c.SetGroupName(L"tools");
    d.SetGroupName(L"tools");
    holder.ClearMarks();
    int counter = 10;
    EXPECT_EQ(3, a.MarkGroup(1, 1, 1, &counter));
    EXPECT_EQ(10, a.GroupMark);
    EXPECT_EQ(0, b.GroupMark);
    EXPECT_EQ(11, c.GroupMark);
    EXPECT_EQ(12, d.GroupMark);
    EXPECT_EQ(0, e.GroupMark);
    EXPECT_EQ(13, counter);
    EXPECT_EQ(5, holder.ClearMarks());
    EXPECT_EQ(0, c.GroupMark);
    EXPECT_EQ(1, a.MarkGroup(1, 1, 0, nullptr)) << "without joint only the object";
    EXPECT_EQ(1, a.GroupMark);
}
