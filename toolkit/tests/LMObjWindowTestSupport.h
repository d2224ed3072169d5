#pragma once
// Objects that record their input and drawing slots, injected input sources,
// and a fixture that leaves the toolkit's input values as it found them.

#include "BitmapFixtures.h"
#include "LMBitmapState.h"
#include "LMClock.h"
#include "LMInputSource.h"
#include "LMObjGlobals.h"
#include "LMObjTestSupport.h"
#include "LMObjWindow.h"
#include "LMPostedRect.h"
#include "LMToolkit.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct DragCall {
    int X, Y, NewX, NewY;
    bool operator==(const DragCall& o) const
    {
        return X == o.X && Y == o.Y && NewX == o.NewX && NewY == o.NewY;
    }
};

inline std::ostream& operator<<(std::ostream& out, const DragCall& c)
{
    return out << "(" << c.X << ", " << c.Y << ", " << c.NewX << ", " << c.NewY << ")";
}

struct ButtonCall {
    int X, Y, Dragged;
    bool operator==(const ButtonCall& o) const
    {
        return X == o.X && Y == o.Y && Dragged == o.Dragged;
    }
};

inline std::ostream& operator<<(std::ostream& out, const ButtonCall& c)
{
    return out << "(" << c.X << ", " << c.Y << ", dragged " << c.Dragged << ")";
}

// Records what reaches its input slots, in order, and lets a test act
// inside them.
class InputObj : public RecordingObj {
public:
    explicit InputObj(int32_t type = LMObjWindowless) : RecordingObj(type) {}
    explicit InputObj(HWND window) : RecordingObj(LMObjAdopted) { Window = window; }

    int OnMouseEnter() override
    {
        Events.push_back(L"enter");
        return RecordingObj::OnMouseEnter();
    }
    int OnMouseLeave(LMObj* next) override
    {
        Events.push_back(L"leave");
        LeaveNext.push_back(next);
        return RecordingObj::OnMouseLeave(next);
    }
    int OnLButtonDown(int x, int y) override
    {
        Events.push_back(L"ldown");
        Presses.push_back(POINT{x, y});
        if (ThrowOnPress)
            throw std::runtime_error("press");
        return RecordingObj::OnLButtonDown(x, y);
    }
    int OnLButtonUp(int x, int y, int dragged) override
    {
        Events.push_back(L"lup");
        Releases.push_back({x, y, dragged});
        if (OnRelease) {
            OnRelease();
            return 1;
        }
        return RecordingObj::OnLButtonUp(x, y, dragged);
    }
    int OnRButtonDown(int x, int y) override
    {
        Events.push_back(L"rdown");
        return RecordingObj::OnRButtonDown(x, y);
    }
    int OnDoubleClick(int x, int y) override
    {
        Events.push_back(L"double");
        return RecordingObj::OnDoubleClick(x, y);
    }
    int OnDrag(int x, int y, int newX, int newY) override
    {
        Drags.push_back({x, y, newX, newY});
        return ForwardDrag ? RecordingObj::OnDrag(x, y, newX, newY) : 1;
    }
    int OnDragEnd() override
    {
        Events.push_back(L"dragend");
        return RecordingObj::OnDragEnd();
    }
    int OnMouseWheel(int delta) override
    {
        Wheel.push_back(delta);
        return RecordingObj::OnMouseWheel(delta);
    }
    int OnKeyDown(WPARAM key, LPARAM lParam) override
    {
        Keys.push_back(static_cast<int>(key));
        return RecordingObj::OnKeyDown(key, lParam);
    }
    int KillFocus() override
    {
        Events.push_back(L"killfocus");
        return RecordingObj::KillFocus();
    }
    int Draw(HDC hdc, int originX, int originY, int x, int y, int width, int height,
             float alpha) override
    {
        DrawAlpha.push_back(alpha);
        DrawDc.push_back(hdc);
        DrawViaBuffer.push_back(FindWindowObj() ? FindWindowObj()->PaintViaBuffer : 0);
        return RecordingObj::Draw(hdc, originX, originY, x, y, width, height, alpha);
    }

    std::vector<std::wstring> Events;
    std::vector<LMObj*> LeaveNext;
    std::vector<POINT> Presses;
    std::vector<ButtonCall> Releases;
    std::vector<DragCall> Drags;
    std::vector<int> Wheel;
    std::vector<int> Keys;
    std::vector<float> DrawAlpha;
    std::vector<HDC> DrawDc;
    std::vector<int> DrawViaBuffer;
    bool ForwardDrag = true;
    bool ThrowOnPress = false;
    std::function<void()> OnRelease;
};

// A state of a given size that is hit everywhere (mode 1) or never (mode 2).
inline TestState* HitState(const wchar_t* name, int width, int height, int hitMode)
{
    auto* state = new TestState(name, width, height);
    state->HitMode = hitMode;
    return state;
}

// A bitmap state filled with one colour (alpha in the top byte).
inline LMBitmapState* SolidState(const wchar_t* name, int width, int height, uint32_t colour)
{
    auto bitmap = MakeBitmap(width, height, LMBitmapHasAlpha);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            *bitmap->PixelAt(x, y) = colour;
    }
    auto* state = new LMBitmapState(name, bitmap.release());
    state->HitMode = LMHitWholeFrame;
    return state;
}

// Input the test controls: the cursor, the Ctrl key, the monitors.
inline POINT g_testCursor{0, 0};
inline bool g_testCtrl = false;
inline std::vector<LMMonitorEdges> g_testMonitors;
inline POINT TestCursor()
{
    return g_testCursor;
}
inline bool TestCtrl()
{
    return g_testCtrl;
}
inline std::vector<LMMonitorEdges> TestMonitors()
{
    return g_testMonitors;
}

// Every test starts with no press, hover, focus or double click pending, a
// clock and input it drives, and the real pointer parked away from its
// windows; the posted rectangles it leaves behind are counted.
class ToolkitWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetInput();
        g_testNow = 5000;
        LMSetClockSource(TestNow);
        g_testCursor = POINT{0, 0};
        g_testCtrl = false;
        g_testMonitors = {{RECT{0, 0, 1280, 1024}, RECT{0, 0, 1280, 1024}}};
        LMSetCursorPosSource(TestCursor);
        LMSetCtrlStateSource(TestCtrl);
        LMSetMonitorListSource(TestMonitors);
        SetCursorPos(1279, 1023);
        liveRectsBefore_ = LMLivePostedRects();
    }
    void TearDown() override
    {
        ReleaseCapture();
        ResetInput();
        LMSetClockSource(nullptr);
        LMSetCursorPosSource(nullptr);
        LMSetCtrlStateSource(nullptr);
        LMSetMonitorListSource(nullptr);
        PoisonState::ReleaseAll();
    }
    static void ResetInput()
    {
        HoveredObject = nullptr;
        PressedObject = nullptr;
        FocusObject = nullptr;
        ButtonState = LMButtonNone;
        NoDragFlag = 0;
        PressTime = 0;
        PressPoint = POINT{0, 0};
    }
    size_t LiveRectsAdded() const { return LMLivePostedRects() - liveRectsBefore_; }

private:
    size_t liveRectsBefore_ = 0;
};

// Posted deferred redraws waiting for a window: (wParam rectangle, lParam).
struct PendingRedraw {
    RECT Rect;
    bool HasRect;
    LPARAM Kind;
};

inline bool operator==(const PendingRedraw& a, const PendingRedraw& b)
{
    return a.HasRect == b.HasRect && a.Kind == b.Kind &&
           (!a.HasRect || EqualRect(&a.Rect, &b.Rect));
}

inline std::ostream& operator<<(std::ostream& out, const PendingRedraw& r)
{
    out << "lParam " << r.Kind;
    if (r.HasRect)
        out << " rect " << r.Rect;
    return out;
}

// Reads the window's queued 0x431 messages without removing them.
inline std::vector<PendingRedraw> PeekRedraws(HWND window)
{
    std::vector<PendingRedraw> found;
    std::vector<MSG> taken;
    MSG message;
    while (PeekMessageW(&message, window, LMMsgDeferredRedraw, LMMsgDeferredRedraw, PM_REMOVE))
        taken.push_back(message);
    for (const MSG& m : taken) {
        const auto* rect = reinterpret_cast<const RECT*>(m.wParam);
        found.push_back({rect ? *rect : RECT{}, rect != nullptr, m.lParam});
        PostMessageW(m.hwnd, m.message, m.wParam, m.lParam);
    }
    return found;
}

// Dispatches the window's queued 0x431 messages; how many there were.
inline int DispatchRedraws(HWND window)
{
    int count = 0;
    MSG message;
    while (PeekMessageW(&message, window, LMMsgDeferredRedraw, LMMsgDeferredRedraw, PM_REMOVE)) {
        DispatchMessageW(&message);
        ++count;
    }
    return count;
}

inline RECT WindowRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

inline LPARAM ClientPoint(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)),
                      static_cast<WORD>(static_cast<SHORT>(y)));
}
