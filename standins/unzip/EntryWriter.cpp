#include "EntryWriter.h"

#include "ScopedWin.h"

namespace {

bool IsPlainFolder(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

}  // namespace

bool CreateFolders(const std::wstring& root, const std::wstring& relative)
{
    std::wstring path = root;
    size_t start = 0;
    while (start < relative.size()) {
        size_t end = relative.find(L'\\', start);
        if (end == std::wstring::npos)
            end = relative.size();
        path += L"\\" + relative.substr(start, end - start);
        if (!CreateDirectoryW(path.c_str(), nullptr) && !IsPlainFolder(path))
            return false;
        start = end + 1;
    }
    return true;
}

FileWrite WriteWholeFile(const std::wstring& path, const uint8_t* data, size_t size, bool replace)
{
    if (replace) {
        // A link in the way would send the bytes wherever it points.
        DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
            return FileWrite::Failed;
    }
    bool written = false;
    {
        ScopedFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                    replace ? CREATE_ALWAYS : CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                    nullptr));
        if (!file) {
            DWORD error = GetLastError();
            bool exists = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
            return exists && !replace ? FileWrite::Exists : FileWrite::Failed;
        }
        DWORD done = 0;
        written =
            size == 0 ||
            (WriteFile(file.Get(), data, static_cast<DWORD>(size), &done, nullptr) && done == size);
    }
    if (!written)
        DeleteFileW(path.c_str());
    return written ? FileWrite::Written : FileWrite::Failed;
}
