// Stacking of LMObj siblings: the order of Children by layer and group, the
// windows restacked to match, and the anchor popup of layer bit 2.

#include "LMLock.h"
#include "LMObj.h"
#include "LMObjGlobals.h"
#include "LMObjWindow.h"
#include "LMToolkit.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr UINT kRestackFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOSENDCHANGING;

bool SameGroupName(const LMObj& a, const LMObj& b)
{
    const wchar_t* x = a.GroupName.get();
    const wchar_t* y = b.GroupName.get();
    return x && *x && y && *y && wcscmp(x, y) == 0;
}

bool HasOwnWindow(const LMObj& obj)
{
    return (obj.TypeWord & LMObjOwnWindowBit) && obj.Window;
}

// Places a window below `after` and returns it as the next `after`.
HWND PlaceBelow(HWND window, HWND after)
{
    SetWindowPos(window, after, 0, 0, 0, 0, kRestackFlags);
    return window;
}

// The windows stacked with an object, highest number first.
std::vector<HWND> StackedWindows(HWND window)
{
    std::vector<HWND> stacked;
    for (unsigned long number = 1;; ++number) {
        auto handle = static_cast<HWND>(GetPropW(window, LMStackedWindowProp(number).c_str()));
        if (!handle)
            break;
        stacked.push_back(handle);
    }
    std::reverse(stacked.begin(), stacked.end());
    return stacked;
}

// Numbers this object's group from n upwards, the other siblings below it,
// and sorts the siblings; the group in its new order. Runs under the lock.
std::vector<LMObj*> RaiseGroup(LMObj& obj)
{
    std::vector<LMObj*>& siblings = obj.Parent->Children;
    int count = obj.Parent->ClearMarks();
    int counter = count;
    obj.MarkGroup(1, 1, obj.JointFlag, &counter);
    int below = count - 1;
    for (auto sibling = siblings.rbegin(); sibling != siblings.rend(); ++sibling) {
        if ((*sibling)->GroupMark == 0)
            (*sibling)->GroupMark = below--;
    }
    std::stable_sort(siblings.begin(), siblings.end(),
                     [](const LMObj* a, const LMObj* b) { return CompareZOrder(a, b) < 0; });
    std::vector<LMObj*> group;
    for (LMObj* sibling : siblings) {
        if (sibling->GroupMark >= count)
            group.push_back(sibling);
    }
    return group;
}

// Chains the group's windows from the top down, each below the one before,
// with the windows stacked on a member just above it.
int RestackGroupWindows(const std::vector<LMObj*>& group)
{
    std::vector<LMObj*> windows;
    for (auto member = group.rbegin(); member != group.rend(); ++member) {
        if (HasOwnWindow(**member))
            windows.push_back(*member);
    }
    if (windows.empty())
        return 0;
    ++ToolkitMoveCount;
    HWND after = LMDefaultInsertAfter(windows.front()->Layer);
    for (LMObj* member : windows) {
        for (HWND stacked : StackedWindows(member->Window))
            after = PlaceBelow(stacked, after);
        after = PlaceBelow(member->Window, after);
    }
    --ToolkitMoveCount;
    return 1;
}

// The index range of the run of siblings with the layer of index i.
std::pair<size_t, size_t> LayerRun(const std::vector<LMObj*>& siblings, size_t i)
{
    int32_t layer = siblings[i]->Layer;
    size_t low = i, high = i;
    while (low > 0 && siblings[low - 1]->Layer == layer)
        --low;
    while (high + 1 < siblings.size() && siblings[high + 1]->Layer == layer)
        ++high;
    return {low, high};
}

}  // namespace

int CompareZOrder(const LMObj* a, const LMObj* b)
{
    if (a->Layer != b->Layer)
        return a->Layer < b->Layer ? -1 : 1;
    if (a->GroupMark != b->GroupMark)
        return a->GroupMark < b->GroupMark ? -1 : 1;
    return 0;
}

HWND GetTopmostAnchorWindow()
{
    if (AnchorPopup)
        return AnchorPopup;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    AnchorPopup =
        CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, 20, 20, 0, 0, nullptr, nullptr,
                        LMAppInstance ? LMAppInstance : GetModuleHandleW(nullptr), nullptr);
    if (!AnchorPopup)
        return nullptr;
    HWND above = FindWindowW(L"KVMain", L"KVMain");
    SetWindowPos(AnchorPopup, above ? above : HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOSENDCHANGING | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    return AnchorPopup;
}

HWND LMDefaultInsertAfter(int32_t layer)
{
    if ((layer & LMLayerBelowAnchor) && GetTopmostAnchorWindow())
        return AnchorPopup;
    if (layer & LMLayerTopmost)
        return HWND_TOPMOST;
    return HWND_TOP;
}

// Stacking changes of windowless children are always posted when the
// toolkit has no lock of its own (no start-up thread is recorded then).
HWND LMObj::ApplyZOrder(HWND insertAfter)
{
    if (Layer & LMLayerBelowAnchor)
        GetTopmostAnchorWindow();
    if (TypeWord == LMObjChildWindow)
        return nullptr;
    if (!(TypeWord & LMObjOwnWindowBit)) {
        if (TypeWord == LMObjWindowless) {
            bool startThread = LMStartThreadId && GetCurrentThreadId() == LMStartThreadId;
            Invalidate(startThread ? LMRepaintNow : LMRepaintDeferred);
        }
        return nullptr;
    }
    if (!Window)
        return nullptr;
    SetWindowPos(Window, insertAfter ? insertAfter : LMDefaultInsertAfter(Layer), 0, 0, 0, 0,
                 kRestackFlags);
    return Window;
}

int LMObj::ChangeZOrder(int mode)
{
    if (!Parent || Parent->ChildCount() < 2)
        return 0;
    std::vector<LMObj*>& siblings = Parent->Children;
    auto found = std::find(siblings.rbegin(), siblings.rend(), this);
    if (found == siblings.rend())
        return 0;
    size_t i = static_cast<size_t>(siblings.rend() - found) - 1;
    auto [low, high] = LayerRun(siblings, i);
    if (mode == 1)
        std::rotate(siblings.begin() + i, siblings.begin() + i + 1, siblings.begin() + high + 1);
    else if (mode == 2 && i < high)
        std::swap(siblings[i], siblings[i + 1]);
    else if (mode == 4 && i > low)
        std::swap(siblings[i], siblings[i - 1]);
    else if (mode == 8)
        std::rotate(siblings.begin() + low, siblings.begin() + i, siblings.begin() + i + 1);
    if (TypeWord == LMObjWindowless) {
        Invalidate(LMRepaintNow);
        return 1;
    }
    HWND above = nullptr;
    for (size_t k = high + 1; k-- > low;) {
        if (HWND window = siblings[k]->ApplyZOrder(above))
            above = window;
    }
    return 1;
}

int LMObj::OnTop()
{
    if (ZLocked)
        return 0;
    if (!Parent) {
        ApplyZOrder(nullptr);
        return 1;
    }
    if (TypeWord == LMObjWindowless && SameGroupName(*this, *Parent))
        return Parent->OnTop();
    std::vector<LMObj*> group;
    {
        LMLock lock(kLMLockZOrderMs, kLMLockLabelOnTop);
        if (!lock.Held())
            return 0;
        group = RaiseGroup(*this);
    }
    if (TypeWord != LMObjWindowless)
        return RestackGroupWindows(group);
    if (Parent != RootObject) {
        LMObj* holder = Parent->FindWindowObj();
        if (holder && holder->TypeWord != LMObjChildWindow)
            holder->OnTop();
    }
    for (LMObj* member : group) {
        if (IsValidLMObj(member))
            member->Invalidate(LMRepaintNow);
    }
    return 1;
}
