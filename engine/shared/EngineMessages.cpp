#include "EngineMessages.h"

#include "EngineWorld.h"

const wchar_t* const kEngineMessageNames[kEngineMessageCount] = {
    L"WM_TRV_MOUSEMSG",  L"WM_TRV_RESTART", L"WM_TRV_SHUTDOWN", L"WM_TRV_SYSTRAYMSG",
    L"WM_TRV_GETSYSCUR", L"WM_TRV_UPDATE",  L"WM_TRV_REAPPLY",  L"WM_TRV_SETVISIBLE",
    L"WM_TRV_APPLYVALS", L"WM_TRV_TRAIL",
};

UINT EngineMessages[kEngineMessageCount] = {};

void RegisterEngineMessages()
{
    for (int i = 0; i < kEngineMessageCount; ++i)
        EngineMessages[i] = World().RegisterWindowMessageW(kEngineMessageNames[i]);
}

int MatchEngineMessage(UINT message)
{
    if (message == 0)
        return -1;
    for (int i = 0; i < kEngineMessageCount; ++i) {
        if (EngineMessages[i] == message)
            return i;
    }
    return -1;
}
