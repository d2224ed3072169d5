#include "TestRegistryKey.h"

#include <windows.h>

namespace {

// Keys made in one tick by one process still differ.
LONG g_counter = 0;

}  // namespace

TestRegistryKey::TestRegistryKey(const wchar_t* purpose)
    : subkey_(std::wstring(L"Software\\TrivaneTests\\") + purpose + L"-" +
              std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount()) +
              L"-" + std::to_wstring(InterlockedIncrement(&g_counter)))
{
}

TestRegistryKey::~TestRegistryKey()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, subkey_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, subkey_.c_str());
    // The parent goes when no other test holds a key there.
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TrivaneTests");
}
