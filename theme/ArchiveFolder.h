#pragma once
// The fresh temporary folder an archive is extracted into, and the removal of
// folders, which never leaves the temporary folder nor follows links.

#include <string>

// Empties folder (and with deleteSelf removes it): subfolders recursively,
// links without entering them. The result of the last system call; 0 at once
// for an empty path, a drive root, a path outside the temporary folder or one
// that is not a folder.
int DeleteFolder(const wchar_t* folder, int deleteSelf);

// An existing path that is not a folder.
bool IsExistingFile(const std::wstring& path);

// A new, empty folder "TV*.tmp" in the temporary folder, deleted with all it
// holds when this ends.
class ArchiveFolder
{
public:
    ArchiveFolder() = default;
    ~ArchiveFolder();
    ArchiveFolder(const ArchiveFolder&) = delete;
    ArchiveFolder& operator=(const ArchiveFolder&) = delete;

    // False, with nothing created, when the system gives no unique name or
    // the folder cannot be made.
    bool Create();
    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
};
