#include "ThemeLocations.h"

#include <shlobj.h>

#include <string>

namespace
{

constexpr const wchar_t* kCompanyFolder = L"Kelmora";
constexpr const wchar_t* kProductFolder = L"Trivane";

// The known folder, or an empty text when the system cannot give it.
std::wstring KnownFolder(int csidl)
{
    wchar_t path[MAX_PATH] = L"";
    if (FAILED(SHGetFolderPathW(
            nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path)))
        return std::wstring();
    return path;
}

} // namespace

int BuildLocation(const wchar_t* base, std::initializer_list<const wchar_t*> folders,
    const wchar_t* file, wchar_t* buffer)
{
    buffer[0] = L'\0';
    if (!base || base[0] == L'\0')
        return 0;
    std::wstring path = base;
    for (const wchar_t* folder : folders) {
        path += L'\\';
        path += folder;
        if (path.size() >= MAX_PATH)
            return 0;
        CreateDirectoryW(path.c_str(), nullptr); // an existing folder is no error
    }
    if (file) {
        path += L'\\';
        path += file;
    }
    if (path.size() >= MAX_PATH)
        return 0;
    path.copy(buffer, path.size());
    buffer[path.size()] = L'\0';
    return 1;
}

void GetCurrentThemePath(wchar_t* buffer)
{
    BuildLocation(KnownFolder(CSIDL_LOCAL_APPDATA).c_str(), { kCompanyFolder, kProductFolder },
        L"CurrentTheme.Trivane", buffer);
}

void GetThemesFolder(wchar_t* buffer)
{
    BuildLocation(KnownFolder(CSIDL_COMMON_DOCUMENTS).c_str(),
        { kCompanyFolder, kProductFolder, L"Themes" }, nullptr, buffer);
}

void GetSoundsFolder(wchar_t* buffer)
{
    BuildLocation(KnownFolder(CSIDL_COMMON_DOCUMENTS).c_str(),
        { kCompanyFolder, kProductFolder, L"Sounds" }, nullptr, buffer);
}
