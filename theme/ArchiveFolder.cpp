#include "ArchiveFolder.h"

#include "ScopedWin.h"

#include <shlwapi.h>

#include <cwchar>

namespace
{

constexpr wchar_t kArchiveFolderPrefix[] = L"TV";

std::wstring FullPath(const wchar_t* path)
{
    wchar_t full[MAX_PATH];
    DWORD length = GetFullPathNameW(path, MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::wstring(full, length) : std::wstring();
}

// The temporary folder as a full path ending in a backslash; empty when the
// system gives none.
std::wstring TemporaryFolder()
{
    wchar_t temp[MAX_PATH + 1];
    DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH)
        return {};
    std::wstring full = FullPath(temp);
    if (!full.empty() && full.back() != L'\\')
        full += L'\\';
    return full;
}

// Strictly below the temporary folder, and no drive root.
bool InsideTemporaryFolder(const std::wstring& full)
{
    std::wstring temp = TemporaryFolder();
    return !temp.empty() && !PathIsRootW(full.c_str()) && full.size() > temp.size()
        && _wcsnicmp(full.c_str(), temp.c_str(), temp.size()) == 0;
}

int RemoveFile(const std::wstring& path)
{
    if (DeleteFileW(path.c_str()))
        return 1;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return DeleteFileW(path.c_str());
}

int EmptyFolder(const std::wstring& folder, int deleteSelf)
{
    int result = 1;
    WIN32_FIND_DATAW found;
    ScopedFindSearch search(FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (search) {
        do {
            if (std::wcscmp(found.cFileName, L".") == 0 || std::wcscmp(found.cFileName, L"..") == 0)
                continue;
            std::wstring path = folder + L"\\" + found.cFileName;
            DWORD attributes = found.dwFileAttributes;
            if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
                result = RemoveFile(path);
            else if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
                result = RemoveDirectoryW(path.c_str()); // the link, not what it points at
            else
                result = EmptyFolder(path, 1);
        } while (FindNextFileW(search.Get(), &found));
    }
    search.Reset();
    if (deleteSelf)
        result = RemoveDirectoryW(folder.c_str());
    return result;
}

} // namespace

int DeleteFolder(const wchar_t* folder, int deleteSelf)
{
    if (!folder || !*folder)
        return 0;
    std::wstring full = FullPath(folder);
    while (full.size() > 3 && full.back() == L'\\')
        full.pop_back();
    DWORD attributes = full.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(full.c_str());
    if (!InsideTemporaryFolder(full) || attributes == INVALID_FILE_ATTRIBUTES
        || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return 0;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return deleteSelf ? RemoveDirectoryW(full.c_str()) : 0;
    return EmptyFolder(full, deleteSelf);
}

bool IsExistingFile(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

ArchiveFolder::~ArchiveFolder()
{
    if (!path_.empty())
        DeleteFolder(path_.c_str(), 1);
}

bool ArchiveFolder::Create()
{
    std::wstring temp = TemporaryFolder();
    wchar_t name[MAX_PATH];
    if (temp.empty() || !GetTempFileNameW(temp.c_str(), kArchiveFolderPrefix, 0, name))
        return false;
    // The system made a file of that name to reserve it; the folder takes its place.
    if (!DeleteFileW(name) || !CreateDirectoryW(name, nullptr))
        return false;
    path_ = name;
    return true;
}
