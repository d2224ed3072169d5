#pragma once
// A subkey of its own under HKCU\Software\TrivaneTests for one test, removed
// with everything in it.

#include <string>

class TestRegistryKey {
public:
    explicit TestRegistryKey(const wchar_t* purpose);
    ~TestRegistryKey();
    TestRegistryKey(const TestRegistryKey&) = delete;
    TestRegistryKey& operator=(const TestRegistryKey&) = delete;

    const std::wstring& Subkey() const { return subkey_; }

private:
    std::wstring subkey_;
};
