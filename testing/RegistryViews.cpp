#include "RegistryViews.h"

#include "ScopedWin.h"

#include <algorithm>

namespace {

const HKEY kRoots[3] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};
const wchar_t* const kViewNames[3] = {L"CR", L"CU", L"LM"};

std::wstring ValueText(HKEY key, const wchar_t* name)
{
    DWORD type = 0;
    std::vector<BYTE> data(2048);
    DWORD bytes = static_cast<DWORD>(data.size());
    if (RegQueryValueExW(key, name, nullptr, &type, data.data(), &bytes) != ERROR_SUCCESS)
        bytes = 0;
    if (type == REG_DWORD)
        return L"REG_DWORD " + std::to_wstring(*reinterpret_cast<const DWORD*>(data.data()));
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), bytes / 2);
    if (!text.empty() && text.back() == L'\0')
        text.pop_back();
    else
        text += L'\0';
    for (size_t at = text.find(L'\0'); at != std::wstring::npos; at = text.find(L'\0', at))
        text.replace(at, 1, L"\\0");
    return (type == REG_SZ ? L"REG_SZ " : type == REG_EXPAND_SZ ? L"REG_EXPAND_SZ " : L"? ") + text;
}

void DumpKey(HKEY key, const std::wstring& name, std::vector<std::wstring>* lines)
{
    wchar_t child[256];
    DWORD keys = 0;
    for (DWORD chars = 256;
         RegEnumKeyExW(key, keys, child, &chars, nullptr, nullptr, nullptr, nullptr) == 0;
         chars = 256, ++keys) {
        HKEY opened = nullptr;
        RegOpenKeyExW(key, child, 0, KEY_READ, &opened);
        ScopedRegKey owner(opened);
        DumpKey(opened, name + L"\\" + child, lines);
    }
    DWORD values = 0;
    for (DWORD chars = 256;
         RegEnumValueW(key, values, child, &chars, nullptr, nullptr, nullptr, nullptr) == 0;
         chars = 256, ++values)
        lines->push_back(name + L" [" + child + L"] " + ValueText(key, child));
    if (keys == 0 && values == 0 && name.find(L'\\') != std::wstring::npos)
        lines->push_back(name);
}

}  // namespace

RegistryViews::RegistryViews()
{
    for (int i = 0; i < 3; ++i)
        RegCreateKeyExW(HKEY_CURRENT_USER, (base_.Subkey() + L"\\" + kViewNames[i]).c_str(), 0,
                        nullptr, 0, KEY_ALL_ACCESS, nullptr, &views_[i], nullptr);
}

RegistryViews::~RegistryViews()
{
    for (HKEY view : views_)
        RegCloseKey(view);
}

HKEY RegistryViews::View(HKEY root) const
{
    // Another root has no view: calls on it fail rather than reach past the three.
    const HKEY* found = std::find(kRoots, kRoots + 3, root);
    return found != kRoots + 3 ? views_[found - kRoots] : nullptr;
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

void RegistryViews::Seed(HKEY root, const std::wstring& key, const wchar_t* name, DWORD value) const
{
    RegSetKeyValueW(View(root), key.c_str(), name, REG_DWORD, &value, sizeof(value));
}

void RegistryViews::SeedEachLevel(HKEY root, const std::wstring& base,
                                  const std::wstring& path) const
{
    std::wstring prefix = base.empty() ? L"" : base + L"\\";
    size_t end = 0;
    do {
        end = path.find(L'\\', end + 1);
        Seed(root, prefix + path.substr(0, end));
    } while (end != std::wstring::npos);
}

bool RegistryViews::Exists(HKEY root, const std::wstring& key) const
{
    HKEY opened = nullptr;
    RegOpenKeyExW(View(root), key.c_str(), 0, KEY_READ, &opened);
    ScopedRegKey owner(opened);
    return opened != nullptr;
}

std::vector<std::wstring> RegistryViews::Dump() const
{
    std::vector<std::wstring> lines;
    for (int i = 0; i < 3; ++i)
        DumpKey(views_[i], kViewNames[i], &lines);
    std::sort(lines.begin(), lines.end());
    return lines;
}

void RegistryViews::Keep(HKEY root, const std::wstring& key) const
{
    HKEY real = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &real) != ERROR_SUCCESS)
        return;
    ScopedRegKey owner(real);
    HKEY copy = nullptr;
    RegCreateKeyExW(View(root), key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &copy,
                    nullptr);
    ScopedRegKey copyOwner(copy);
    RegCopyTreeW(real, nullptr, copy);
}

void RegistryViews::PutBack(HKEY root, const std::wstring& key) const
{
    RegDeleteTreeW(root, key.c_str());
    if (!Exists(root, key))
        return;
    HKEY real = nullptr;
    RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &real, nullptr);
    ScopedRegKey owner(real);
    RegCopyTreeW(View(root), key.c_str(), real);
}
