// Stacking: sibling order by layer and group, windows restacked to match,
// the windows stacked with an object, and the anchor popup.

#include "LMLock.h"
#include "LMObjWindowTestSupport.h"
#include "ScopedWin.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

const wchar_t kStackedClass[] = L"TrivaneLMObjZOrderStacked";

HWND MakeStackedWindow()
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kStackedClass;
        registered = RegisterClassW(&windowClass) != 0;
    }
    return CreateWindowExW(WS_EX_TOOLWINDOW, kStackedClass, L"", WS_POPUP, 0, 0, 5, 5, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

using Order = std::vector<LMObj*>;

class LMObjZOrder : public ToolkitWindowTest {
protected:
    void SetUp() override
    {
        ToolkitWindowTest::SetUp();
        ASSERT_EQ(0, RootObject->ChildCount()) << "a test left objects on the root";
    }
    void Realize(InputObj& obj)
    {
        obj.AddState(HitState(L"Default", 20, 20, LMHitWholeFrame));
        obj.Realize();
    }
};

// Holds the toolkit lock on another thread until it is destroyed.
class LockHolder {
public:
    LockHolder()
        : held_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), thread_([this] {
              LMLock lock(INFINITE, L"test");
              SetEvent(held_.Get());
              WaitForSingleObject(release_.Get(), INFINITE);
          })
    {
        WaitForSingleObject(held_.Get(), 10000);
    }
    ~LockHolder()
    {
        SetEvent(release_.Get());
        thread_.join();
    }

private:
    ScopedKernelHandle held_;
    ScopedKernelHandle release_;
    std::thread thread_;
};

}  // namespace

TEST(LMObjCompareZOrder, SortsByLayerThenByMark)
{
    InputObj a, b;
    a.Layer = 0;
    a.GroupMark = 9;
    b.Layer = 8;
    b.GroupMark = 1;
    EXPECT_GT(0, CompareZOrder(&a, &b));
    EXPECT_LT(0, CompareZOrder(&b, &a));
    b.Layer = 0;
    EXPECT_LT(0, CompareZOrder(&a, &b));
    b.GroupMark = 9;
    EXPECT_EQ(0, CompareZOrder(&a, &b));
}

TEST_F(LMObjZOrder, OnTopRaisesTheGroupAndChainsItsStackedWindows)
{
    InputObj x(LMObjPlainWindow), a(LMObjPlainWindow), b(LMObjPlainWindow), c(LMObjPlainWindow);
    for (InputObj* obj : {&x, &a, &b, &c})
        Realize(*obj);
    ASSERT_EQ((Order{&x, &a, &b, &c}), RootObject->Children);
    a.SetGroupName(L"g");
    c.SetGroupName(L"g");
    ScopedWindow w1(MakeStackedWindow()), w2(MakeStackedWindow());
    SetPropW(a.Window, L"KVHDL-1", w1.Get());
    SetPropW(a.Window, L"KVHDL-2", w2.Get());

    EXPECT_EQ(1, a.OnTop());
    EXPECT_EQ((Order{&x, &b, &a, &c}), RootObject->Children);
    EXPECT_EQ(w1.Get(), GetWindow(a.Window, GW_HWNDPREV));
    EXPECT_EQ(w2.Get(), GetWindow(w1.Get(), GW_HWNDPREV));
    EXPECT_EQ(c.Window, GetWindow(w2.Get(), GW_HWNDPREV));
    EXPECT_EQ(0, ToolkitMoveCount);
    RemovePropW(a.Window, L"KVHDL-1");
    RemovePropW(a.Window, L"KVHDL-2");
}

TEST_F(LMObjZOrder, ALockedOrBusyOnTopDoesNothing)
{
    InputObj a(LMObjPlainWindow), b(LMObjPlainWindow);
    Realize(a);
    Realize(b);
    a.ZLocked = 1;
    EXPECT_EQ(0, a.OnTop());
    EXPECT_EQ((Order{&a, &b}), RootObject->Children);
    a.ZLocked = 0;
    {
        LockHolder busy;
        EXPECT_EQ(0, a.OnTop());
        EXPECT_EQ((Order{&a, &b}), RootObject->Children);
    }
    EXPECT_EQ(1, a.OnTop());
    EXPECT_EQ((Order{&b, &a}), RootObject->Children);
    EXPECT_STREQ(L"OnTop", LockLabel);
}

TEST_F(LMObjZOrder, OnTopKeepsTheLayersApart)
{
    InputObj low(LMObjPlainWindow), high(LMObjPlainWindow), other(LMObjPlainWindow);
    high.Layer = LMLayerTopmost;
    for (InputObj* obj : {&low, &high, &other})
        Realize(*obj);
    low.OnTop();
    EXPECT_EQ((Order{&other, &low, &high}), RootObject->Children);
    EXPECT_TRUE(GetWindowLongPtrW(high.Window, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(LMObjZOrder, AWindowlessChildRaisesItsHolderAndRepaints)
{
    InputObj holder(LMObjPlainWindow), other(LMObjPlainWindow);
    Realize(holder);
    Realize(other);
    InputObj p, q;
    for (InputObj* child : {&p, &q}) {
        child->SetParent(&holder);
        child->AddState(HitState(L"Default", 5, 5, LMHitWholeFrame));
        child->Realize();
    }
    EXPECT_EQ(1, p.OnTop());
    EXPECT_EQ((Order{&q, &p}), holder.Children);
    EXPECT_EQ((Order{&other, &holder}), RootObject->Children);
    EXPECT_EQ(std::vector<int>{1}, p.Invalidates);
    EXPECT_TRUE(q.Invalidates.empty());
}

TEST_F(LMObjZOrder, ChangeZOrderMovesWithinTheLayerRun)
{
    InputObj parent, p, q, r, s, lone;
    s.Layer = LMLayerTopmost;
    for (InputObj* child : {&p, &q, &r, &s})
        child->SetParent(&parent);
    EXPECT_EQ(1, q.ChangeZOrder(1));
    EXPECT_EQ((Order{&p, &r, &q, &s}), parent.Children);
    EXPECT_EQ(1, q.ChangeZOrder(8));
    EXPECT_EQ((Order{&q, &p, &r, &s}), parent.Children);
    EXPECT_EQ(1, r.ChangeZOrder(2));
    EXPECT_EQ((Order{&q, &p, &r, &s}), parent.Children) << "the next one is in another layer";
    EXPECT_EQ(1, r.ChangeZOrder(4));
    EXPECT_EQ((Order{&q, &r, &p, &s}), parent.Children);
    EXPECT_EQ(1, q.ChangeZOrder(4));
    EXPECT_EQ((Order{&q, &r, &p, &s}), parent.Children) << "already at the bottom";
    EXPECT_EQ(1, q.ChangeZOrder(2));
    EXPECT_EQ((Order{&r, &q, &p, &s}), parent.Children);
    EXPECT_EQ(std::vector<int>(4, LMRepaintNow), q.Invalidates) << "a windowless child repaints";

    InputObj alone;
    lone.SetParent(&alone);
    EXPECT_EQ(0, lone.ChangeZOrder(1));
    InputObj orphan;
    EXPECT_EQ(0, orphan.ChangeZOrder(1));
}

TEST_F(LMObjZOrder, ChangeZOrderRestacksTheWindowsOfTheLayer)
{
    InputObj a(LMObjPlainWindow), b(LMObjPlainWindow), c(LMObjPlainWindow);
    for (InputObj* obj : {&a, &b, &c})
        Realize(*obj);
    EXPECT_EQ(1, a.ChangeZOrder(1));
    EXPECT_EQ((Order{&b, &c, &a}), RootObject->Children);
    EXPECT_EQ(a.Window, GetWindow(c.Window, GW_HWNDPREV));
    EXPECT_EQ(c.Window, GetWindow(b.Window, GW_HWNDPREV));
}

TEST_F(LMObjZOrder, ApplyZOrderPlacesAWindowBelowAnother)
{
    InputObj a(LMObjPlainWindow), b(LMObjPlainWindow);
    Realize(a);
    Realize(b);
    EXPECT_EQ(b.Window, b.ApplyZOrder(nullptr));
    EXPECT_EQ(a.Window, a.ApplyZOrder(b.Window));
    EXPECT_EQ(b.Window, GetWindow(a.Window, GW_HWNDPREV));

    InputObj childWindow(LMObjChildWindow);
    EXPECT_EQ(nullptr, childWindow.ApplyZOrder(nullptr));
}

TEST_F(LMObjZOrder, ApplyZOrderOfAWindowlessChildPostsItsRepaintFromAnotherThread)
{
    InputObj child;
    child.AddState(HitState(L"Default", 5, 5, LMHitWholeFrame));
    child.Realize();
    EXPECT_EQ(nullptr, child.ApplyZOrder(nullptr));
    EXPECT_EQ(std::vector<int>{LMRepaintNow}, child.Invalidates) << "the start-up thread";
    std::thread([&] { child.ApplyZOrder(nullptr); }).join();
    EXPECT_EQ((std::vector<int>{LMRepaintNow, LMRepaintDeferred}), child.Invalidates);
}

TEST_F(LMObjZOrder, TheAnchorPopupIsMadeOnceAndLayer2StacksBelowIt)
{
    HWND anchor = GetTopmostAnchorWindow();
    ASSERT_NE(nullptr, anchor);
    EXPECT_EQ(anchor, GetTopmostAnchorWindow());
    wchar_t name[64] = {};
    GetClassNameW(anchor, name, 64);
    EXPECT_STREQ(L"tooltips_class32", name);
    EXPECT_FALSE(IsWindowVisible(anchor));
    EXPECT_EQ(WS_POPUP, GetWindowLongPtrW(anchor, GWL_STYLE) & (WS_POPUP | WS_CHILD));

    InputObj below(LMObjPlainWindow);
    below.Layer = LMLayerBelowAnchor;
    Realize(below);
    EXPECT_EQ(anchor, GetWindow(below.Window, GW_HWNDPREV));
    EXPECT_EQ(anchor, LMDefaultInsertAfter(LMLayerBelowAnchor));
}
