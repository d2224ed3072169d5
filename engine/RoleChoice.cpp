#include "RoleChoice.h"

#include "CTheme.h"
#include "EngineValues.h"
#include "EngineWorld.h"
#include "SystemCursorTable.h"
#include "TrackingStep.h"

#include <cwchar>

namespace {

constexpr int kFirstResizeSlot = 8;
constexpr int kLastResizeSlot = 11;
// Nested windows deeper than this are taken as a loop.
constexpr int kMaxChildDepth = 64;

bool IsResizeSlot(int slot)
{
    return slot >= kFirstResizeSlot && slot <= kLastResizeSlot;
}

// Slots 8 and 10 split the window at its vertical middle, slot 9 at its
// horizontal middle, slot 11 along its diagonal.
bool OnVariantSide(int slot, const RECT& window, POINT pointer)
{
    switch (slot) {
    case 8:
    case 10:
        return pointer.y > window.top + (window.bottom - window.top) / 2;
    case 9:
        return pointer.x > window.left + (window.right - window.left) / 2;
    default:
        return pointer.x - pointer.y < window.right - window.bottom;
    }
}

CThemeCursor* ResolveResize(int slot, int state)
{
    const CTheme* theme = CurrentTheme.get();
    int32_t variant = SlotVariantRole(slot);
    if (!FindDrawableCursor(theme, variant, state))
        return FindDrawableCursor(theme, SlotRole(slot), state);
    HWND window = World().WindowFromPoint(PointerPos);
    RECT rect = {};
    // No window, or one that went away meanwhile: nothing to measure against.
    if (!window || !World().GetWindowRect(window, &rect))
        return nullptr;
    return FindDrawableCursor(theme, ChooseResizeRole(slot, rect, PointerPos), state);
}

CThemeCursor* ResolveArrow(int state)
{
    // The theme is asked first: without a button cursor the windows need no look.
    const CTheme* theme = CurrentTheme.get();
    CThemeCursor* button = FindDrawableCursor(theme, kButtonRole, state);
    if (button && ButtonContextRole(ChildWindowAtCursor()) == kButtonRole)
        return button;
    return FindDrawableCursor(theme, SlotRole(0), state);
}

}  // namespace

int32_t SlotRole(int slot)
{
    if (slot < 0 || slot >= kSharedCursorSlots)
        return -1;
    return SystemCursorSlots[slot].Role;
}

int32_t SlotVariantRole(int slot)
{
    return IsResizeSlot(slot) ? SlotRole(slot) + 1 : -1;
}

int32_t ChooseResizeRole(int slot, const RECT& window, POINT pointer)
{
    if (!IsResizeSlot(slot))
        return SlotRole(slot);
    return OnVariantSide(slot, window, pointer) ? SlotVariantRole(slot) : SlotRole(slot);
}

int ButtonRoleFor(const wchar_t* className, LONG_PTR style)
{
    if (!className || wcscmp(className, L"Button") != 0)
        return -1;
    // Three-state, auto three-state, group box and user button.
    LONG_PTR kind = style & 0xFF;
    return kind >= 5 && kind <= 8 ? -1 : kButtonRole;
}

CThemeCursor* FindDrawableCursor(const CTheme* theme, int32_t role, int32_t state)
{
    if (!theme || role < 0)
        return nullptr;
    CThemeCursor* cursor = theme->FindCursor(role, state, kThemeCursorGroup);
    return cursor && cursor->Animation ? cursor : nullptr;
}

CThemeCursor* ResolvePointer(int slot, int state)
{
    if (!CurrentTheme || slot < 0 || slot >= kSharedCursorSlots)
        return nullptr;
    if (slot == 0)
        return ResolveArrow(state);
    if (IsResizeSlot(slot))
        return ResolveResize(slot, state);
    return FindDrawableCursor(CurrentTheme.get(), SlotRole(slot), state);
}

HWND ChildWindowAtCursor()
{
    HWND window = World().WindowFromPoint(PointerPos);
    for (int depth = 0; window && depth < kMaxChildDepth; ++depth) {
        POINT point = PointerPos;
        if (!World().ScreenToClient(window, &point))
            break;
        HWND child =
            World().ChildWindowFromPointEx(window, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == window)
            break;
        window = child;
    }
    return window;
}

int ButtonContextRole(HWND window)
{
    if (!window)
        return -1;
    wchar_t className[kClassNameChars] = {};
    if (World().GetClassNameW(window, className, kClassNameChars) <= 0)
        return -1;
    className[kClassNameChars - 1] = L'\0';
    return ButtonRoleFor(className, World().GetWindowLongPtrW(window, GWL_STYLE));
}
