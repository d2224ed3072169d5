#include "MouseInput.h"

#include "MessagePump.h"

namespace {

// Long enough for the toolkit's hover and press handling to run.
constexpr DWORD kSettleMs = 60;

void SendMouse(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
    PumpMessagesFor(kSettleMs);
}

DWORD DownFlag(MouseButton button)
{
    return button == MouseButton::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
}

DWORD UpFlag(MouseButton button)
{
    return button == MouseButton::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
}

}  // namespace

// The toolkit reads press points from the cursor position, so the cursor is
// placed first and a relative move of 0 makes the system send WM_MOUSEMOVE.
void MoveMouseTo(POINT screen)
{
    SetCursorPos(screen.x, screen.y);
    SendMouse(MOUSEEVENTF_MOVE);
}

void PressMouse(POINT screen, MouseButton button)
{
    MoveMouseTo(screen);
    SendMouse(DownFlag(button));
}

void ReleaseMouse(POINT screen, MouseButton button)
{
    MoveMouseTo(screen);
    SendMouse(UpFlag(button));
}

void ClickMouse(POINT screen, MouseButton button)
{
    PressMouse(screen, button);
    SendMouse(UpFlag(button));
}

void DragMouse(POINT from, POINT to, int steps)
{
    PressMouse(from);
    for (int step = 1; step <= steps; ++step) {
        MoveMouseTo(
            {from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps});
    }
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void TurnWheel(POINT screen, int notches)
{
    MoveMouseTo(screen);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
    SendInput(1, &input, sizeof(input));
    PumpMessagesFor(kSettleMs);
}

POINT ClientPointOnScreen(HWND window, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}
