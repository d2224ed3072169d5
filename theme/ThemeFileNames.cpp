#include "ThemeFileNames.h"

#include <shlwapi.h>
#include <windows.h>

#include <cwchar>

bool PathHasExtension(const wchar_t* path, const wchar_t* extension)
{
    if (!path || !extension)
        return false;
    size_t pathLength = std::wcslen(path);
    size_t extensionLength = std::wcslen(extension);
    return pathLength > extensionLength
        && _wcsicmp(path + pathLength - extensionLength, extension) == 0;
}

std::wstring FileTitleOf(const std::wstring& path)
{
    std::wstring name = PathFindFileNameW(path.c_str());
    const wchar_t* extension = PathFindExtensionW(name.c_str());
    name.resize(static_cast<size_t>(extension - name.c_str()));
    return name;
}
