// Windows of objects: the toolkit's class and styles, realizing and
// unrealizing, adopted host windows, and what the window procedure does
// with messages that are not mouse input.

#include "ChildProcess.h"
#include "LMBlankState.h"
#include "LMObjWindowTestSupport.h"
#include "ScopedWin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <memory>
#include <stdexcept>

namespace {

const wchar_t kHostClass[] = L"TrivaneLMObjWindowTestHost";

// A plain host window whose client area is width x height.
HWND MakeHostWindow(int width, int height)
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kHostClass;
        registered = RegisterClassW(&windowClass) != 0;
    }
    return CreateWindowExW(WS_EX_TOOLWINDOW, kHostClass, L"", WS_POPUP, 400, 300, width, height,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Stacked-window properties a host window still had when it was destroyed.
std::vector<std::wstring> g_propsAtDestroy;

BOOL CALLBACK CollectProp(HWND, LPWSTR name, HANDLE, ULONG_PTR)
{
    // The platform keeps properties of its own ("__wine_...") on windows.
    if (!IS_INTRESOURCE(name) && wcsncmp(name, L"__", 2) != 0)
        g_propsAtDestroy.push_back(name);
    return TRUE;
}

LRESULT CALLBACK RecordingHostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        g_propsAtDestroy.clear();
        EnumPropsExW(hwnd, CollectProp, 0);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND MakeRecordingHost()
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = RecordingHostProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TrivaneLMObjWindowTestRecordingHost";
        registered = RegisterClassW(&windowClass) != 0;
    }
    return CreateWindowExW(WS_EX_TOOLWINDOW, L"TrivaneLMObjWindowTestRecordingHost", L"", WS_POPUP,
                           0, 0, 10, 10, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

LONG_PTR ExStyle(HWND window)
{
    return GetWindowLongPtrW(window, GWL_EXSTYLE);
}

class LMObjWindow : public ToolkitWindowTest {};

}  // namespace

TRIVANE_CHILD(TopObjClassName)
{
    LMInitialize(GetModuleHandleW(nullptr), L"TkTest", LMInitNoMutex);
    InputObj obj(LMObjLayered);
    obj.AddState(HitState(L"Default", 8, 8, LMHitNever));
    obj.Realize();
    wchar_t name[64] = {};
    GetClassNameW(obj.Window, name, 64);
    ChildReport("class", name);
    WNDCLASSW windowClass{};
    GetClassInfoW(GetModuleHandleW(nullptr), name, &windowClass);
    ChildReport("style", windowClass.style);
    ChildReport("extra", windowClass.cbWndExtra);
    ChildReport("brush", windowClass.hbrBackground ? 1 : 0);
    return 0;
}

TEST(LMObjWindowClass, IsNamedAfterTheApplication)
{
    ChildResult child = RunChild("TopObjClassName");
    ASSERT_EQ(0u, child.ExitCode) << child.Output;
    EXPECT_EQ("TkTestLMTopObj", ChildValue(child.Output, "class"));
    EXPECT_EQ(std::to_string(CS_NOCLOSE), ChildValue(child.Output, "style"));
    EXPECT_EQ("1", ChildValue(child.Output, "extra"));
    EXPECT_EQ("0", ChildValue(child.Output, "brush"));
}

TEST_F(LMObjWindow, ExtendedStylesFollowTypeLayerAndHitModes)
{
    struct Row {
        const char* name;
        int32_t type;
        int32_t layer;
        int hitMode;
        LONG_PTR exStyle;
    } rows[] = {
        {"layered, never hit", LMObjLayered, 0, LMHitNever,
         WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT},
        {"layered topmost", LMObjLayered, LMLayerTopmost, LMHitNever,
         WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_TOPMOST},
        {"layered, hit", LMObjLayered, 0, LMHitWholeFrame, WS_EX_LAYERED | WS_EX_TOOLWINDOW},
        {"plain", LMObjPlainWindow, 0, LMHitNever, WS_EX_TOOLWINDOW},
        {"region-shaped topmost", LMObjRegionShaped, LMLayerTopmost, LMHitNever,
         WS_EX_TOOLWINDOW | WS_EX_TOPMOST},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        InputObj obj(row.type);
        obj.Layer = row.layer;
        obj.AddState(HitState(L"Never", 8, 8, LMHitNever));
        obj.AddState(HitState(L"Second", 8, 8, row.hitMode));
        ASSERT_EQ(1, obj.Realize());
        ASSERT_NE(nullptr, obj.Window);
        EXPECT_EQ(row.exStyle, ExStyle(obj.Window));
    }
}

TEST_F(LMObjWindow, ALayeredObjectWithoutStatesIsClickThrough)
{
    InputObj obj(LMObjLayered);
    ASSERT_EQ(1, obj.Realize());
    EXPECT_TRUE(ExStyle(obj.Window) & WS_EX_TRANSPARENT);
}

TEST_F(LMObjWindow, RealizeMakesAPopupAtTheBoundsBoundToTheObject)
{
    InputObj obj(LMObjLayered);
    obj.AddState(new LMBlankState(L"blank"));
    obj.AddState(HitState(L"Default", 40, 30, LMHitNever));
    obj.ChangeState(L"Default");
    obj.MoveTo(300, 200);
    ASSERT_EQ(1, obj.Realize());
    ASSERT_NE(nullptr, obj.Window);
    LONG_PTR style = GetWindowLongPtrW(obj.Window, GWL_STYLE);
    EXPECT_EQ(WS_POPUP | WS_CLIPCHILDREN, style & ~WS_CLIPSIBLINGS);
    EXPECT_EQ((RECT{300, 200, 340, 230}), WindowRect(obj.Window));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&obj), GetWindowLongPtrW(obj.Window, GWLP_USERDATA));
    EXPECT_EQ(RootObject, obj.Parent);
    ASSERT_NE(nullptr, obj.BackBuffer);
    EXPECT_EQ(40, obj.BackBuffer->Width);
    EXPECT_EQ(30, obj.BackBuffer->Height);
    EXPECT_TRUE(obj.BackBuffer->HasAlpha);
    EXPECT_EQ(1, obj.Realized);
    EXPECT_EQ(0, obj.Realize()) << "a second Realize does nothing";
}

TEST_F(LMObjWindow, RealizeChoosesTheFirstVisualStateWhenNoneIsShown)
{
    InputObj obj(LMObjWindowless);
    obj.AddState(new LMState(L"Data"));
    obj.AddState(HitState(L"Look", 5, 5, LMHitNever));
    ASSERT_EQ(1, obj.Realize());
    ASSERT_NE(nullptr, obj.CurrentState);
    EXPECT_EQ(L"Look", obj.CurrentState->Name);
    EXPECT_EQ(nullptr, obj.Window) << "a windowless child gets no window";
    EXPECT_EQ(nullptr, obj.Parent) << "and stays where it is in the tree";
}

TEST_F(LMObjWindow, UnrealizeDestroysTheWindowTheBufferAndTheStackedProperties)
{
    InputObj obj(LMObjLayered);
    obj.AddState(HitState(L"Default", 10, 10, LMHitNever));
    obj.Realize();
    HWND window = obj.Window;
    SetPropW(window, L"KVHDL", reinterpret_cast<HANDLE>(1));
    SetPropW(window, L"KVHDL-1", reinterpret_cast<HANDLE>(2));
    SetPropW(window, L"KVHDL-2", reinterpret_cast<HANDLE>(3));
    EXPECT_EQ(1, obj.Unrealize());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, obj.Window);
    EXPECT_EQ(nullptr, obj.BackBuffer);
    EXPECT_EQ(0, obj.Realized);
    EXPECT_EQ(0, obj.Unrealize()) << "twice";
}

TEST_F(LMObjWindow, DestroyWndRemovesTheStackedPropertiesBeforeTheWindowGoes)
{
    HWND window = MakeRecordingHost();
    InputObj obj(LMObjChildWindow);
    obj.Window = window;
    for (const wchar_t* name : {L"KVHDL", L"KVHDL2", L"KVHDL-1", L"KVHDL-2", L"KVHDL-4", L"Other"})
        SetPropW(window, name, reinterpret_cast<HANDLE>(7));
    EXPECT_EQ(1, obj.DestroyWnd());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, obj.Window);
    std::sort(g_propsAtDestroy.begin(), g_propsAtDestroy.end());
    EXPECT_EQ((std::vector<std::wstring>{L"KVHDL-4", L"Other"}), g_propsAtDestroy)
        << "numbered properties go as far as they run without a gap";
}

TEST_F(LMObjWindow, AnEmptyStateRealizesWithAnEmptyBackBuffer)
{
    InputObj obj(LMObjLayered);
    obj.Layer = LMLayerTopmost;
    obj.AddState(new LMBlankState(L"blank"));
    ASSERT_EQ(1, obj.Realize());
    ASSERT_NE(nullptr, obj.Window);
    ASSERT_NE(nullptr, obj.BackBuffer);
    EXPECT_EQ(0, obj.BackBuffer->Width);
    EXPECT_FALSE(obj.BackBuffer->HasPixels());
    obj.Show();
    EXPECT_EQ(0, obj.Invalidate(LMRepaintNow)) << "nothing to draw while the frame is empty";
    obj.AddState(SolidState(L"Shape", 32, 32, Bgra(0, 0, 255, 255)));
    obj.ChangeState(L"Shape");
    ASSERT_NE(nullptr, obj.BackBuffer);
    EXPECT_EQ(32, obj.BackBuffer->Width);
    EXPECT_EQ(1, obj.Invalidate(LMRepaintNow));
    EXPECT_EQ(Bgra(0, 0, 255, 255), *obj.BackBuffer->PixelAt(31, 31));
}

TEST_F(LMObjWindow, AnAdoptedWindowIsSubclassedUntilUnrealized)
{
    ScopedWindow host(MakeHostWindow(120, 40));
    ASSERT_NE(nullptr, host.Get());
    auto original = GetWindowLongPtrW(host.Get(), GWLP_WNDPROC);
    InputObj obj(host.Get());
    ASSERT_EQ(1, obj.Realize());
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(LMSubclassProc),
              GetWindowLongPtrW(host.Get(), GWLP_WNDPROC));
    EXPECT_EQ(original, reinterpret_cast<LONG_PTR>(GetPropW(host.Get(), L"LM_PrevProc")));
    EXPECT_EQ(0, obj.Movable);
    ASSERT_NE(nullptr, obj.CurrentState);
    EXPECT_EQ(L"Blank", obj.CurrentState->Name);
    auto* blank = dynamic_cast<LMBitmapState*>(obj.CurrentState);
    ASSERT_NE(nullptr, blank);
    EXPECT_EQ(120, blank->FrameWidth);
    EXPECT_EQ(40, blank->FrameHeight);
    ASSERT_NE(nullptr, blank->Bitmap);
    EXPECT_EQ(0u, *blank->Bitmap->PixelAt(119, 39)) << "fully transparent";

    EXPECT_EQ(1,
              SendMessageW(host.Get(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0));
    EXPECT_EQ(std::vector<int>{-120}, obj.Wheel);

    EXPECT_EQ(1, obj.Unrealize());
    EXPECT_EQ(original, GetWindowLongPtrW(host.Get(), GWLP_WNDPROC));
    EXPECT_EQ(nullptr, GetPropW(host.Get(), L"LM_PrevProc"));
    EXPECT_TRUE(IsWindow(host.Get())) << "the host keeps its window";
    SendMessageW(host.Get(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(1u, obj.Wheel.size());
}

TEST_F(LMObjWindow, FiveWindowsCanBeAdoptedAtOnce)
{
    std::vector<ScopedWindow> hosts;
    std::vector<std::unique_ptr<InputObj>> objects;
    for (int i = 0; i < 5; ++i) {
        hosts.emplace_back(MakeHostWindow(20 + i, 10));
        objects.push_back(std::make_unique<InputObj>(hosts.back().Get()));
        ASSERT_EQ(1, objects.back()->Realize()) << i;
    }
    EXPECT_EQ(5u, AdoptedWindowTable.size());
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(1, SendMessageW(hosts[i].Get(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120 * (i + 1)), 0));
        EXPECT_EQ(std::vector<int>{120 * (i + 1)}, objects[i]->Wheel);
    }
    objects[2].reset();
    EXPECT_EQ(4u, AdoptedWindowTable.size());
    SendMessageW(hosts[4].Get(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(2u, objects[4]->Wheel.size()) << "the later entries still work";
    objects.clear();
    EXPECT_TRUE(AdoptedWindowTable.empty());
}

TEST_F(LMObjWindow, AWindowIsAdoptedByOneObjectAtATime)
{
    ScopedWindow host(MakeHostWindow(30, 30));
    auto original = GetWindowLongPtrW(host.Get(), GWLP_WNDPROC);
    InputObj first(host.Get()), second(host.Get());
    EXPECT_EQ(1, first.Realize());
    EXPECT_EQ(0, second.Realize());
    EXPECT_EQ(1u, AdoptedWindowTable.size());
    first.Unrealize();
    EXPECT_EQ(original, GetWindowLongPtrW(host.Get(), GWLP_WNDPROC));
    EXPECT_EQ(0, second.Unrealize());
    EXPECT_EQ(original, GetWindowLongPtrW(host.Get(), GWLP_WNDPROC));
}

TEST_F(LMObjWindow, AnAdoptedWindowDestroyedByItsHostLeavesTheTable)
{
    HWND host = MakeHostWindow(30, 30);
    InputObj obj(host);
    obj.Realize();
    RECT rect{1, 1, 5, 5};
    ASSERT_EQ(1, LMPostRedraw(host, &rect, LMRedrawClientRect));
    DestroyWindow(host);
    EXPECT_TRUE(AdoptedWindowTable.empty());
    EXPECT_EQ(nullptr, obj.Window);
    EXPECT_EQ(0u, LiveRectsAdded());
    EXPECT_EQ(1, obj.Unrealize());
}

TEST_F(LMObjWindow, OthersCannotMoveOrSizeAToolkitWindow)
{
    InputObj obj(LMObjPlainWindow);
    obj.AddState(HitState(L"Default", 40, 30, LMHitNever));
    obj.MoveTo(300, 200);
    obj.Realize();
    SetWindowPos(obj.Window, nullptr, 10, 10, 90, 90, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ((RECT{300, 200, 340, 230}), WindowRect(obj.Window));
    MoveWindow(obj.Window, 0, 0, 5, 5, FALSE);
    EXPECT_EQ((RECT{300, 200, 340, 230}), WindowRect(obj.Window));
    obj.MoveTo(320, 210);
    EXPECT_EQ((RECT{320, 210, 360, 240}), WindowRect(obj.Window)) << "its own moves go through";
}

TEST_F(LMObjWindow, SyncFromWindowReadsTheAnchorBackFromTheWindow)
{
    InputObj obj(LMObjPlainWindow);
    auto* state = HitState(L"Default", 40, 30, LMHitNever);
    state->InsetLeft = 3;
    state->InsetTop = 2;
    state->InsetRight = 5;
    state->OffsetX = -4;
    state->OffsetY = 6;
    obj.AddState(state);
    obj.HAlign = 1;
    obj.VAlign = 2;
    obj.Realize();
    ++ToolkitMoveCount;
    SetWindowPos(obj.Window, nullptr, 500, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    --ToolkitMoveCount;
    obj.Positions.clear();
    EXPECT_EQ(1, obj.SyncFromWindow());
    RECT bounds;
    obj.GetBounds(&bounds);
    EXPECT_EQ(500, bounds.left) << "the bounds fall on the window again";
    EXPECT_EQ(400, bounds.top);
    RECT visible;
    obj.GetVisibleRect(&visible);
    EXPECT_EQ(visible.left, obj.VisibleX);
    EXPECT_EQ(visible.top, obj.VisibleY);
    ASSERT_EQ(1u, obj.Positions.size());
    EXPECT_EQ((PositionReport{obj.AnchorX, obj.AnchorY, obj.VisibleWidth, obj.VisibleHeight, 1}),
              obj.Positions[0]);

    InputObj windowless;
    windowless.AddState(HitState(L"Default", 4, 4, LMHitNever));
    windowless.Realize();
    EXPECT_EQ(0, windowless.SyncFromWindow());
}

TEST_F(LMObjWindow, CreatingAWindowRecordsTheActivatedWindowOnce)
{
    ActivatedWindow = nullptr;
    InputObj first(LMObjPlainWindow), second(LMObjPlainWindow);
    first.AddState(HitState(L"Default", 4, 4, LMHitNever));
    second.AddState(HitState(L"Default", 4, 4, LMHitNever));
    first.Realize();
    second.Realize();
    EXPECT_EQ(first.Window, ActivatedWindow);
    SendMessageW(second.Window, WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 0), 0);
    EXPECT_EQ(second.Window, ActivatedWindow);
    SendMessageW(first.Window, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), 0);
    EXPECT_EQ(second.Window, ActivatedWindow) << "only a click activates";
    ActivatedWindow = nullptr;
}

TEST_F(LMObjWindow, KeysGoToTheFocusObjectAndFocusOrCaptureLossEndsADrag)
{
    InputObj holder(LMObjPlainWindow), focus;
    holder.AddState(HitState(L"Default", 40, 30, LMHitNever));
    holder.Realize();
    focus.SetFocus();
    EXPECT_EQ(0, SendMessageW(holder.Window, WM_KEYDOWN, 'A', 0));
    EXPECT_EQ(std::vector<int>{'A'}, focus.Keys);

    InputObj dragged;
    dragged.Dragging = 1;
    HoveredObject = &dragged;
    EXPECT_EQ(0, SendMessageW(holder.Window, WM_KILLFOCUS, 0, 0));
    EXPECT_EQ(nullptr, FocusObject);
    EXPECT_EQ(std::vector<std::wstring>{L"killfocus"}, focus.Events);
    EXPECT_EQ(1, NoDragFlag);
    EXPECT_EQ(0, dragged.Dragging);
    EXPECT_EQ(std::vector<std::wstring>{L"dragend"}, dragged.Events);

    // A window that takes the mouse mid-press ends the press and its drag.
    dragged.Dragging = 1;
    ButtonState = LMButtonLeft;
    EXPECT_EQ(0, SendMessageW(holder.Window, WM_CAPTURECHANGED, 0, 0));
    EXPECT_EQ(LMButtonNone, ButtonState);
    EXPECT_EQ((std::vector<std::wstring>{L"dragend", L"dragend"}), dragged.Events);
    HoveredObject = nullptr;
}

TEST_F(LMObjWindow, SetCursorShowsTheHoveredObjectsCursor)
{
    InputObj holder(LMObjPlainWindow), hovered;
    holder.AddState(HitState(L"Default", 40, 30, LMHitNever));
    holder.Realize();
    LPARAM hitClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    WPARAM self = reinterpret_cast<WPARAM>(holder.Window);
    EXPECT_EQ(0, SendMessageW(holder.Window, WM_SETCURSOR, self, hitClient)) << "nothing hovered";

    HoveredObject = &hovered;
    struct Row {
        int index;
        LPCWSTR id;
    } rows[] = {{14, IDC_HAND},  {5, IDC_IBEAM},  {0, IDC_ARROW},
                {15, IDC_ARROW}, {-1, IDC_ARROW}, {1000, IDC_ARROW}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.index);
        hovered.CursorIndex = row.index;
        SetCursor(nullptr);
        EXPECT_EQ(1, SendMessageW(holder.Window, WM_SETCURSOR, self, hitClient));
        EXPECT_EQ(LoadCursorW(nullptr, row.id), GetCursor());
    }
    EXPECT_EQ(LoadCursorW(nullptr, MAKEINTRESOURCEW(32631)),
              LoadCursorW(nullptr, LMCursorIdForIndex(6)));
}

TEST_F(LMObjWindow, AThrowingPaintDoesNotComeBack)
{
    class ThrowingPaint : public InputObj {
    public:
        ThrowingPaint() : InputObj(LMObjPlainWindow) {}
        int OnPaint(HWND) override
        {
            ++Paints;
            throw std::runtime_error("paint");
        }
        int Paints = 0;
    } obj;
    obj.AddState(HitState(L"Default", 40, 30, LMHitNever));
    obj.MoveTo(300, 200);
    obj.Realize();
    obj.Show();
    obj.Paints = 0;
    InvalidateRect(obj.Window, nullptr, FALSE);
    UpdateWindow(obj.Window);
    EXPECT_EQ(1, obj.Paints);
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(obj.Window, &update, FALSE)) << "validated after the throw";
}

namespace {

// Messages that reached a host window's own procedure.
std::vector<UINT> g_hostMessages;

LRESULT CALLBACK CountingHostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_hostMessages.push_back(message);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND MakeCountingHost()
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = CountingHostProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TrivaneLMObjWindowTestCountingHost";
        registered = RegisterClassW(&windowClass) != 0;
    }
    return CreateWindowExW(WS_EX_TOOLWINDOW, L"TrivaneLMObjWindowTestCountingHost", L"", WS_POPUP,
                           400, 300, 100, 60, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

bool HostSaw(UINT message)
{
    return std::find(g_hostMessages.begin(), g_hostMessages.end(), message) != g_hostMessages.end();
}

}  // namespace

TEST_F(LMObjWindow, AnAdoptedWindowSharesItsMouseWithItsChildren)
{
    ScopedWindow host(MakeCountingHost());
    InputObj adopted(host.Get());
    adopted.Realize();
    adopted.Show();
    InputObj child;
    child.AddState(HitState(L"Default", 20, 20, LMHitWholeFrame));
    child.SetParent(&adopted);
    child.MoveTo(10, 10);
    child.Realize();
    child.Show();
    g_hostMessages.clear();

    SendMessageW(host.Get(), WM_MOUSEMOVE, 0, ClientPoint(15, 15));
    EXPECT_EQ(&child, HoveredObject);
    EXPECT_TRUE(HostSaw(WM_MOUSEMOVE)) << "and the host sees the move too";
    g_testCursor = POINT{415, 315};
    SendMessageW(host.Get(), WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(15, 15));
    EXPECT_EQ(1u, child.Presses.size());
    EXPECT_EQ(&child, FocusObject);
    EXPECT_TRUE(HostSaw(WM_LBUTTONDOWN));
    SendMessageW(host.Get(), WM_LBUTTONUP, 0, ClientPoint(15, 15));
    ASSERT_EQ(1u, child.Releases.size());
    EXPECT_EQ((ButtonCall{5, 5, 0}), child.Releases[0]);
    // A dialog's class turns a quick second press into a double-click message.
    SendMessageW(host.Get(), WM_LBUTTONDBLCLK, MK_LBUTTON, ClientPoint(15, 15));
    SendMessageW(host.Get(), WM_LBUTTONUP, 0, ClientPoint(15, 15));
    EXPECT_EQ(2u, child.Presses.size());
    EXPECT_EQ(2u, child.Releases.size());

    g_hostMessages.clear();
    EXPECT_EQ(1, SendMessageW(host.Get(), WM_ERASEBKGND, 0, 0));
    EXPECT_EQ(1, SendMessageW(host.Get(), WM_SETCURSOR, 0, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    SendMessageW(host.Get(), WM_KEYDOWN, 'K', 0);
    EXPECT_EQ(std::vector<int>{'K'}, child.Keys);
    EXPECT_TRUE(g_hostMessages.empty()) << "what the object answers stays with it";
    SendMessageW(host.Get(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(nullptr, HoveredObject);
    EXPECT_TRUE(HostSaw(WM_MOUSELEAVE));
    SendMessageW(host.Get(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"title"));
    EXPECT_TRUE(HostSaw(WM_SETTEXT));
}
