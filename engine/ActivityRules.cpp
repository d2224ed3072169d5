#include "ActivityRules.h"

#include "EngineValues.h"
#include "EngineWorld.h"
#include "RoleChoice.h"
#include "TrackingStep.h"

#include <cwchar>

namespace {

bool NoFullScreenConsole()
{
    // A program without a console cannot read the mode: that is mode 0.
    DWORD mode = 0;
    if (!World().GetConsoleDisplayMode(&mode))
        mode = 0;
    return mode == 0;
}

// The top-level window under the pointer is neither a full-screen topmost
// window nor a media window; no window at all passes.
bool NoFullScreenWindow()
{
    HWND under = World().WindowFromPoint(PointerPos);
    if (!under)
        return true;
    HWND top = World().GetAncestor(under, GA_ROOT);
    // Gone between the two questions: nothing there any more.
    if (!top)
        return true;
    if (top == EngineWindow || top == World().FindWindowW(L"Progman", nullptr))
        return true;
    RECT rect = {};
    LONG_PTR exStyle = World().GetWindowLongPtrW(top, GWL_EXSTYLE);
    if (World().GetWindowRect(top, &rect) &&
        IsFullScreenTopmost(exStyle, rect, World().GetSystemMetrics(SM_CXSCREEN),
                            World().GetSystemMetrics(SM_CYSCREEN))) {
        return false;
    }
    wchar_t className[kClassNameChars] = {};
    World().GetClassNameW(top, className, kClassNameChars);
    className[kClassNameChars - 1] = L'\0';
    return !IsFullScreenClass(className);
}

bool OnTheUsersDesktop()
{
    HDESK desktop = World().OpenInputDesktop(0, FALSE, DESKTOP_ENUMERATE);
    if (!desktop)
        return false;
    World().CloseDesktop(desktop);
    return true;
}

bool NoScreenSaver()
{
    BOOL running = FALSE;
    if (!World().SystemParametersInfoW(SPI_GETSCREENSAVERRUNNING, 0, &running, 0))
        running = FALSE;
    return !running;
}

}  // namespace

bool IsFullScreenTopmost(LONG_PTR exStyle, const RECT& rect, int screenWidth, int screenHeight)
{
    if (!(exStyle & WS_EX_TOPMOST))
        return false;
    // In 64 bits: a rectangle from one far edge to the other must not wrap.
    long long width = static_cast<long long>(rect.right) - rect.left;
    long long height = static_cast<long long>(rect.bottom) - rect.top;
    return width >= screenWidth && height >= screenHeight;
}

bool IsFullScreenClass(const wchar_t* className)
{
    return wcscmp(className, L"eHome Render Window") == 0 || wcscmp(className, L"Flip3D") == 0;
}

int EvaluateActivityRules()
{
    if (HotKeyOff != 0 || !NoFullScreenConsole() || Suspended != 0)
        return 0;
    if (!NoFullScreenWindow() || !OnTheUsersDesktop() || !NoScreenSaver())
        return 0;
    if (World().GetSystemMetrics(SM_REMOTESESSION) != 0)
        return 0;
    return PointerHidden == 0 ? 1 : 0;
}

int ShouldBeActive()
{
    if (++ActivityCounter < kActivityCheckEvery)
        return EngineEnabled;
    ActivityCounter = 0;
    return EvaluateActivityRules();
}
