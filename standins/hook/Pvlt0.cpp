// Stand-in for the outside hook library: a low-level mouse hook on a thread of
// its own posts the press and release of the left, right and middle buttons
// to the engine window. It makes no double-click or non-client messages and
// does not read the engine's shared cursor record.

#include "Pvlt0.h"

#include "ScopedWin.h"

#include <atomic>
#include <mutex>

namespace {

constexpr DWORD kThreadWaitMs = 5000;

std::mutex g_lock;  // one install or removal at a time
std::atomic<HWND> g_target{nullptr};
std::atomic<UINT> g_message{0};
ScopedKernelHandle g_thread;
DWORD g_threadId = 0;

// The button message a low-level mouse event stands for, or 0.
UINT ButtonMessage(WPARAM event)
{
    switch (event) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return static_cast<UINT>(event);
    default:
        return 0;
    }
}

LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        UINT button = ButtonMessage(wParam);
        HWND target = g_target;
        if (button && target)
            PostMessageW(target, g_message, button, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

HMODULE ThisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<const wchar_t*>(&MouseHookProc), &module);
    return module;
}

struct ThreadStart {
    ScopedKernelHandle Ready;
    bool Hooked = false;
};

DWORD WINAPI HookThread(void* parameter)
{
    auto* start = static_cast<ThreadStart*>(parameter);
    MSG message;
    // The queue must exist before anyone posts WM_QUIT to this thread.
    PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    ScopedHook hook(SetWindowsHookExW(WH_MOUSE_LL, MouseHookProc, ThisModule(), 0));
    start->Hooked = hook.IsValid();
    SetEvent(start->Ready.Get());
    if (!hook)
        return 1;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

void StopHookThread()
{
    if (!g_thread)
        return;
    PostThreadMessageW(g_threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(g_thread.Get(), kThreadWaitMs);
    g_thread.Reset();
    g_threadId = 0;
}

}  // namespace

int WINAPI Pvlt0_00(HWND window, UINT message)
{
    std::lock_guard<std::mutex> lock(g_lock);
    g_message = message;
    g_target = window;
    if (g_thread)
        return 1;
    ThreadStart start;
    start.Ready.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!start.Ready)
        return 0;
    g_thread.Reset(CreateThread(nullptr, 0, HookThread, &start, 0, &g_threadId));
    if (!g_thread)
        return 0;
    // The thread signals once its hook is in place, or ends when it cannot
    // hook; either way it no longer needs start.
    HANDLE waits[2] = {start.Ready.Get(), g_thread.Get()};
    WaitForMultipleObjects(2, waits, FALSE, INFINITE);
    if (start.Hooked)
        return 1;
    StopHookThread();
    g_target = nullptr;
    return 0;
}

int WINAPI Pvlt0_01(void)
{
    std::lock_guard<std::mutex> lock(g_lock);
    g_target = nullptr;
    StopHookThread();
    return 1;
}
