#include "CRecentFileList.h"

#include "DocViewTexts.h"
#include "ScopedWin.h"

#include <shlwapi.h>

#include <algorithm>
#include <cwchar>

namespace {

constexpr const wchar_t* kSection = L"Recent File List";
constexpr UINT kMenuPathChars = 40;

std::wstring EntryName(size_t index)
{
    return L"File" + std::to_wstring(index + 1);
}

std::wstring ReadString(HKEY key, const std::wstring& name)
{
    DWORD bytes = 0;
    if (RegGetValueW(key, nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        bytes < sizeof(wchar_t))
        return std::wstring();
    std::wstring value(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(key, nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, &value[0], &bytes) !=
        ERROR_SUCCESS)
        return std::wstring();
    value.resize(std::wcslen(value.c_str()));
    return value;
}

}  // namespace

CRecentFileList::CRecentFileList(size_t capacity)
    : capacity_(std::min<size_t>(capacity, kRecentFileIdLimit))
{
}

void CRecentFileList::Add(const std::wstring& path)
{
    if (path.empty() || capacity_ == 0)
        return;
    auto same = [&path](const std::wstring& entry) {
        return _wcsicmp(entry.c_str(), path.c_str()) == 0;
    };
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(), same), entries_.end());
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > capacity_)
        entries_.resize(capacity_);
}

void CRecentFileList::Remove(size_t index)
{
    if (index < entries_.size())
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

void CRecentFileList::ReadList(const std::wstring& profileKey)
{
    entries_.clear();
    HKEY raw = nullptr;
    std::wstring subkey = profileKey + L"\\" + kSection;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS)
        return;
    ScopedRegKey key(raw);
    for (size_t i = 0; i < capacity_; ++i) {
        std::wstring path = ReadString(key.Get(), EntryName(i));
        if (!path.empty())
            entries_.push_back(path);
    }
}

void CRecentFileList::WriteList(const std::wstring& profileKey) const
{
    HKEY raw = nullptr;
    std::wstring subkey = profileKey + L"\\" + kSection;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, subkey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &raw, nullptr) != ERROR_SUCCESS)
        return;
    ScopedRegKey key(raw);
    for (size_t i = 0; i < capacity_; ++i) {
        std::wstring name = EntryName(i);
        if (i < entries_.size()) {
            const std::wstring& path = entries_[i];
            RegSetValueExW(key.Get(), name.c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(path.c_str()),
                           static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
        } else {
            RegDeleteValueW(key.Get(), name.c_str());
        }
    }
}

void CRecentFileList::UpdateMenu(HMENU popup) const
{
    int position = -1;
    for (int i = GetMenuItemCount(popup) - 1; i >= 0; --i) {
        if (IsRecentFileId(GetMenuItemID(popup, i))) {
            DeleteMenu(popup, static_cast<UINT>(i), MF_BYPOSITION);
            position = i;
        }
    }
    if (position < 0)
        return;
    if (entries_.empty()) {
        InsertMenuW(popup, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING | MF_GRAYED,
                    kIdFileRecentFirst, kTextRecentFilePlaceholder);
        return;
    }
    for (size_t i = 0; i < entries_.size(); ++i) {
        std::wstring text = RecentFileMenuText(i, entries_[i]);
        InsertMenuW(popup, static_cast<UINT>(position) + static_cast<UINT>(i),
                    MF_BYPOSITION | MF_STRING | MF_ENABLED, kIdFileRecentFirst + i, text.c_str());
    }
}

std::wstring RecentFileMenuText(size_t index, const std::wstring& path)
{
    wchar_t shortened[kMenuPathChars + 1] = {};
    if (!PathCompactPathExW(shortened, path.c_str(), kMenuPathChars + 1, 0))
        lstrcpynW(shortened, path.c_str(), kMenuPathChars + 1);
    std::wstring text = L"&" + std::to_wstring(index + 1) + L" ";
    for (const wchar_t* c = shortened; *c; ++c)
        text += *c == L'&' ? std::wstring(L"&&") : std::wstring(1, *c);
    return text;
}
