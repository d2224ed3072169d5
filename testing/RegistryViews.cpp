#include "RegistryViews.h"

#include "ScopedWin.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr wchar_t kTestKey[] = L"Software\\TrivaneTest";
const HKEY kRoots[3] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};
const wchar_t* const kViewNames[3] = {L"CR", L"CU", L"LM"};

std::wstring TypeName(DWORD type)
{
    switch (type) {
    case REG_SZ:
        return L"REG_SZ";
    case REG_EXPAND_SZ:
        return L"REG_EXPAND_SZ";
    case REG_DWORD:
        return L"REG_DWORD";
    default:
        return L"type " + std::to_wstring(type);
    }
}

std::wstring DataText(DWORD type, const std::vector<BYTE>& data)
{
    if (type == REG_DWORD && data.size() == sizeof(DWORD)) {
        wchar_t text[16];
        swprintf(text, 16, L"0x%lX", *reinterpret_cast<const DWORD*>(data.data()));
        return text;
    }
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / 2);
    if (!text.empty() && text.back() == L'\0')
        text.pop_back();
    else
        text += L"\\0";  // no terminator
    for (size_t at = text.find(L'\0'); at != std::wstring::npos; at = text.find(L'\0', at))
        text.replace(at, 1, L"\\0");
    return text;
}

std::wstring ValueText(HKEY key, const wchar_t* subkey, const wchar_t* name)
{
    DWORD type = 0;
    DWORD bytes = 0;
    const DWORD flags = RRF_RT_ANY | RRF_NOEXPAND;
    if (RegGetValueW(key, subkey, name, flags, &type, nullptr, &bytes) != ERROR_SUCCESS)
        return L"missing";
    std::vector<BYTE> data(bytes);
    RegGetValueW(key, subkey, name, flags, &type, data.data(), &bytes);
    data.resize(bytes);
    return TypeName(type) + L" " + DataText(type, data);
}

}  // namespace

RegistryViews::RegistryViews()
{
    static LONG counter = 0;
    base_ = std::wstring(kTestKey) + L"\\" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(InterlockedIncrement(&counter));
    for (int i = 0; i < 3; ++i)
        RegCreateKeyExW(HKEY_CURRENT_USER, (base_ + L"\\" + kViewNames[i]).c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &views_[i], nullptr);
}

RegistryViews::~RegistryViews()
{
    for (HKEY view : views_)
        RegCloseKey(view);
    RegDeleteTreeW(HKEY_CURRENT_USER, base_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, base_.c_str());
    // Gone only when no other test still holds views under it.
    RegDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
}

HKEY RegistryViews::View(HKEY root) const
{
    for (int i = 0; i < 3; ++i) {
        if (kRoots[i] == root)
            return views_[i];
    }
    return nullptr;
}

void RegistryViews::Redirect(bool on) const
{
    for (int i = 0; i < 3; ++i)
        RegOverridePredefKey(kRoots[i], on ? views_[i] : nullptr);
}

void RegistryViews::Seed(HKEY root, const std::wstring& key, const wchar_t* name,
                         const std::wstring& text) const
{
    DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    RegSetKeyValueW(View(root), key.c_str(), name, REG_SZ, text.c_str(), bytes);
}

void RegistryViews::SeedDword(HKEY root, const std::wstring& key, const wchar_t* name,
                              DWORD value) const
{
    RegSetKeyValueW(View(root), key.c_str(), name, REG_DWORD, &value, sizeof(value));
}

void RegistryViews::SeedEachLevel(HKEY root, const std::wstring& base,
                                  const std::wstring& path) const
{
    std::wstring prefix = base.empty() ? L"" : base + L"\\";
    for (size_t end = path.find(L'\\');; end = path.find(L'\\', end + 1)) {
        Seed(root, prefix + path.substr(0, end));
        if (end == std::wstring::npos)
            break;
    }
}

bool RegistryViews::Exists(HKEY root, const std::wstring& key) const
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(View(root), key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

std::wstring RegistryViews::Value(HKEY root, const std::wstring& key, const wchar_t* name) const
{
    return ValueText(View(root), key.c_str(), name);
}

std::vector<std::wstring> RegistryViews::Dump() const
{
    std::vector<std::wstring> lines;
    for (int i = 0; i < 3; ++i)
        DumpKey(views_[i], kViewNames[i], &lines);
    std::sort(lines.begin(), lines.end());
    return lines;
}

void RegistryViews::DumpKey(HKEY key, const std::wstring& name,
                            std::vector<std::wstring>* lines) const
{
    wchar_t child[256];
    DWORD index = 0;
    for (DWORD chars = 256; RegEnumKeyExW(key, index, child, &chars, nullptr, nullptr, nullptr,
                                          nullptr) == ERROR_SUCCESS;
         chars = 256, ++index) {
        HKEY opened = nullptr;
        if (RegOpenKeyExW(key, child, 0, KEY_READ, &opened) != ERROR_SUCCESS)
            continue;
        ScopedRegKey owner(opened);
        DumpKey(opened, name + L"\\" + child, lines);
    }
    DWORD value = 0;
    for (DWORD chars = 256;
         RegEnumValueW(key, value, child, &chars, nullptr, nullptr, nullptr, nullptr) == 0;
         chars = 256, ++value)
        lines->push_back(name + L" [" + child + L"] " + ValueText(key, nullptr, child));
    if (index == 0 && value == 0 && name.find(L'\\') != std::wstring::npos)
        lines->push_back(name);
}
