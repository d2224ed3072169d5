#include "TempFolder.h"

#include "ScopedWin.h"

#include <string>

void RemoveFolderTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolderTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

TempFolder::TempFolder()
{
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    static LONG counter = 0;
    for (;;) {
        path_ = std::wstring(base) + L"trivane-test-" + std::to_wstring(GetCurrentProcessId()) +
                L"-" + std::to_wstring(InterlockedIncrement(&counter));
        if (CreateDirectoryW(path_.c_str(), nullptr))
            break;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
}

TempFolder::~TempFolder()
{
    RemoveFolderTree(path_);
}

bool WriteBytesToFile(const std::wstring& path, const void* data, size_t size)
{
    ScopedFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.Get(), data, static_cast<DWORD>(size), &written, nullptr) &&
           written == size;
}

bool ReadBytesFromFile(const std::wstring& path, std::string* data)
{
    ScopedFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                0, nullptr));
    if (!file)
        return false;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x10000000)
        return false;
    data->resize(static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    return data->empty() ||
           (ReadFile(file.Get(), data->data(), static_cast<DWORD>(data->size()), &got, nullptr) &&
            got == data->size());
}

std::set<std::wstring> FilesIn(const std::wstring& folder)
{
    std::set<std::wstring> files;
    WIN32_FIND_DATAW data;
    ScopedFindSearch search(FindFirstFileW((folder + L"\\*").c_str(), &data));
    for (bool more = search.IsValid(); more; more = FindNextFileW(search.Get(), &data)) {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files.insert(data.cFileName);
    }
    return files;
}
