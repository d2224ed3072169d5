#pragma once
// A new folder under the temporary path, removed with all it holds.

#include <set>
#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

// Removes the folder with everything in it.
void RemoveFolderTree(const std::wstring& folder);

bool WriteBytesToFile(const std::wstring& path, const void* data, size_t size);
bool ReadBytesFromFile(const std::wstring& path, std::string* data);
// The names of the files (not folders) directly in the folder.
std::set<std::wstring> FilesIn(const std::wstring& folder);
