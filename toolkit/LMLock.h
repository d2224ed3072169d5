#pragma once
// The toolkit lock: the named mutex LMMutex made at start-up. It guards state
// switches, the state queue, positioning and z-order against a second thread.
// Waits are bounded; without the mutex (start-up flag 4) every wait succeeds
// at once. The mutex is re-entrant for its holder, and one abandoned by a
// thread that ended counts as taken.

#include <windows.h>

// Wait limits in ms.
constexpr DWORD kLMLockStateChangeMs = 1000;
constexpr DWORD kLMLockPositionMs = 250;
constexpr DWORD kLMLockEnqueueMs = 100;
constexpr DWORD kLMLockZOrderMs = 100;

// Labels the lock holders leave behind.
constexpr const wchar_t* kLMLockLabelEnqueueState = L"EnqueueState";
constexpr const wchar_t* kLMLockLabelUpdate = L"LMObj::Update";
constexpr const wchar_t* kLMLockLabelInternalChangeState = L"InternalChangeState";
constexpr const wchar_t* kLMLockLabelSetPosition = L"SetPosition1";
constexpr const wchar_t* kLMLockLabelOnTop = L"OnTop";

// The label of the operation that last took the lock; nothing reads it, it
// names the last holder for a debugger.
constexpr int kLMLockLabelLength = 32;
extern wchar_t LockLabel[kLMLockLabelLength];

// Takes the lock for a scope, waiting at most timeoutMs; Held() says whether
// it was had. On success the label is copied into LockLabel.
class LMLock {
public:
    LMLock(DWORD timeoutMs, const wchar_t* label);
    ~LMLock();

    LMLock(const LMLock&) = delete;
    LMLock& operator=(const LMLock&) = delete;

    bool Held() const { return held_; }
    // Lets go before the end of the scope; a second call does nothing.
    void Release();

private:
    bool held_ = false;
    HANDLE owned_ = nullptr;  // the mutex this scope must release
};
