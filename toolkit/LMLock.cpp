#include "LMLock.h"

#include "LMToolkit.h"

wchar_t LockLabel[kLMLockLabelLength] = {};

namespace {

void SetLockLabel(const wchar_t* label)
{
    int i = 0;
    for (; label && label[i] && i < kLMLockLabelLength - 1; ++i)
        LockLabel[i] = label[i];
    LockLabel[i] = L'\0';
}

}  // namespace

LMLock::LMLock(DWORD timeoutMs, const wchar_t* label)
{
    if (!LMMutex) {
        held_ = true;
    } else {
        DWORD result = WaitForSingleObject(LMMutex.Get(), timeoutMs);
        // An abandoned mutex is ours now: the thread that held it has ended.
        if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED)
            owned_ = LMMutex.Get();
        held_ = owned_ != nullptr;
    }
    if (held_)
        SetLockLabel(label);
}

LMLock::~LMLock()
{
    Release();
}

void LMLock::Release()
{
    if (owned_)
        ReleaseMutex(owned_);
    owned_ = nullptr;
    held_ = false;
}
