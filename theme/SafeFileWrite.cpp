#include "SafeFileWrite.h"

#include "FileRetry.h"
#include "ScopedWin.h"

#include <shlwapi.h>

#include <cwchar>
#include <string>

namespace
{

// A new empty file with a ".tmp" name in the folder of path, so no theme list
// ever mistakes it for a theme.
bool MakeTemporaryBeside(const wchar_t* path, wchar_t (&temporary)[MAX_PATH])
{
    if (!path || std::wcslen(path) >= MAX_PATH)
        return false;
    std::wstring folder = path;
    folder.resize(static_cast<size_t>(PathFindFileNameW(path) - path));
    if (folder.empty())
        folder = L".";
    return GetTempFileNameW(folder.c_str(), L"trv", 0, temporary) != 0;
}

bool WriteParts(HANDLE file, std::initializer_list<FilePart> parts)
{
    for (const FilePart& part : parts) {
        const auto* bytes = static_cast<const char*>(part.Data);
        size_t left = part.Size;
        while (left > 0) {
            DWORD chunk = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
            DWORD written = 0;
            if (!WriteFile(file, bytes, chunk, &written, nullptr) || written != chunk)
                return false;
            bytes += chunk;
            left -= chunk;
        }
    }
    return true;
}

} // namespace

int WriteFileReplacing(const wchar_t* path, std::initializer_list<FilePart> parts)
{
    wchar_t temporary[MAX_PATH];
    if (!MakeTemporaryBeside(path, temporary))
        return 0;
    bool written = false;
    {
        ScopedFile file(CreateFileRetry(
            temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        written = file && WriteParts(file.Get(), parts) && FlushFileBuffers(file.Get());
    }
    if (written && ReplaceFileRetry(temporary, path))
        return 1;
    DeleteFileW(temporary);
    return 0;
}
