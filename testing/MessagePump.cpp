#include "MessagePump.h"

#include <algorithm>

namespace {

constexpr DWORD kRecheckMs = 20;

void DispatchPending()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        DispatchPending();
        if (done())
            return true;
        DWORD passed = GetTickCount() - start;
        if (passed >= timeoutMs)
            return false;
        // Conditions that no message announces (a thread that ended) are
        // looked at again after a short wait.
        MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                  std::min<DWORD>(timeoutMs - passed, kRecheckMs), QS_ALLINPUT);
    }
}

void PumpMessagesFor(DWORD milliseconds)
{
    PumpMessagesUntil([] { return false; }, milliseconds);
}
