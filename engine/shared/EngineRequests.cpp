#include "EngineRequests.h"

#include "EngineWindowLookup.h"
#include "EngineWorld.h"
#include "RunProgram.h"

#include <string>

void TellEngineOrStart(UINT message, HMODULE module, HWND owner, bool startWhenNone)
{
    HWND engine = FindEngineWindow();
    if (engine && message) {
        World().PostMessageW(engine, message, 0, 0);
        return;
    }
    if (!startWhenNone)
        return;
    const std::wstring path = EngineProgramBeside(module);
    if (!path.empty())
        RunProgram(path.c_str(), nullptr, nullptr, owner);
}
