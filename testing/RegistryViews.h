#pragma once
// Private registry views for code that writes HKEY_CLASSES_ROOT,
// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE: the subkeys CR, CU and LM of
// a test's own registry key stand in for the three roots while a call runs
// inside them. Keys are named by the root they stand for.

#include "TestRegistryKey.h"

#include <windows.h>

#include <string>
#include <vector>

class RegistryViews {
public:
    RegistryViews();
    ~RegistryViews();
    RegistryViews(const RegistryViews&) = delete;
    RegistryViews& operator=(const RegistryViews&) = delete;

    // Runs call with the three roots redirected to the views; nothing else
    // (COM, shell folders) should run meanwhile.
    template <typename Call> auto Inside(Call call)
    {
        Redirect(true);
        auto result = call();
        Redirect(false);
        return result;
    }

    // Stores a value in the key (name null: the default), making the key.
    void Seed(HKEY root, const std::wstring& key, const wchar_t* name = L"Seed",
              const std::wstring& text = L"x") const;
    void Seed(HKEY root, const std::wstring& key, const wchar_t* name, DWORD value) const;
    // Seeds a value in base\path and in every key between them.
    void SeedEachLevel(HKEY root, const std::wstring& base, const std::wstring& path) const;
    bool Exists(HKEY root, const std::wstring& key) const;

    // Sorted lines, one per value ("CR\.Trivane [] REG_SZ TrivaneFile") and
    // one per empty key ("CU\SOFTWARE\Kelmora\Trivane"). Text shows its exact
    // size: a missing terminator or an extra NUL shows as "\0".
    std::vector<std::wstring> Dump() const;

    // Copies a key of the real registry into its view; puts the copy back in
    // place of the real key (which is removed when there was no copy).
    void Keep(HKEY root, const std::wstring& key) const;
    void PutBack(HKEY root, const std::wstring& key) const;

private:
    HKEY View(HKEY root) const;
    void Redirect(bool on) const;

    TestRegistryKey base_{L"views"};
    HKEY views_[3] = {};
};
