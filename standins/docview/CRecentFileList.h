#pragma once
// The list of recently opened or saved files: newest first, each path once,
// at most a given number; kept in the profile and shown in the File menu in
// place of the greyed "Recent File" item.

#include "DocViewIds.h"

#include <string>
#include <vector>

constexpr UINT kRecentFileIdLimit = 16;

inline bool IsRecentFileId(UINT id)
{
    return id >= kIdFileRecentFirst && id < kIdFileRecentFirst + kRecentFileIdLimit;
}

class CRecentFileList {
public:
    explicit CRecentFileList(size_t capacity);

    // To the front; a path already listed (in any letter case) moves there.
    void Add(const std::wstring& path);
    void Remove(size_t index);
    const std::vector<std::wstring>& Entries() const { return entries_; }

    // "Recent File List" under the profile key, values "File1" to "FileN".
    void ReadList(const std::wstring& profileKey);
    void WriteList(const std::wstring& profileKey) const;

    // Replaces the popup's recent-file items (or the placeholder) with the
    // entries; an empty list leaves the greyed placeholder.
    void UpdateMenu(HMENU popup) const;

private:
    size_t capacity_;
    std::vector<std::wstring> entries_;
};

// The menu text of entry index: "&1 C:\...\name.ext" with '&' doubled.
std::wstring RecentFileMenuText(size_t index, const std::wstring& path);
