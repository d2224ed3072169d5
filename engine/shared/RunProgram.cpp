#include "RunProgram.h"

#include "EngineWorld.h"

BOOL RunProgram(const wchar_t* file, const wchar_t* directory, const wchar_t* parameters,
                HWND owner)
{
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    // The product's own paths go out as they are: an install folder named
    // with "%...%" must not start another program.
    info.fMask = 0;
    info.hwnd = owner;
    info.lpFile = file;
    info.lpDirectory = directory;
    info.lpParameters = parameters;
    info.nShow = SW_SHOWNORMAL;
    return World().ShellExecuteExW(&info);
}

std::wstring ModuleFolder(HMODULE module)
{
    wchar_t name[MAX_PATH];
    const DWORD length = World().GetModuleFileNameW(module, name, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::wstring path(name, length);
    const size_t slash = path.find_last_of(L"\\/");
    path.resize(slash == std::wstring::npos ? 0 : slash);
    return path;
}

std::wstring EngineProgramBeside(HMODULE module)
{
    const std::wstring folder = ModuleFolder(module);
    const std::wstring path = folder + L"\\Trivane.exe";
    return !folder.empty() && path.size() < MAX_PATH ? path : std::wstring();
}

#ifndef _WIN64
static_assert(sizeof(SHELLEXECUTEINFOW) == 60, "the 32-bit start record is 60 bytes");
#endif
