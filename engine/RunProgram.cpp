#include "RunProgram.h"

#include "EngineWorld.h"

BOOL RunProgram(const wchar_t* file, const wchar_t* directory, const wchar_t* parameters,
                HWND owner)
{
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_DOENVSUBST;
    info.hwnd = owner;
    info.lpFile = file;
    info.lpDirectory = directory;
    info.lpParameters = parameters;
    info.nShow = SW_SHOWNORMAL;
    return World().ShellExecuteExW(&info);
}

#ifndef _WIN64
static_assert(sizeof(SHELLEXECUTEINFOW) == 60, "the 32-bit start record is 60 bytes");
#endif
