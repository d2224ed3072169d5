#include "RegistrySettings.h"
#include "ScopedWin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

namespace
{

// A subkey of its own under HKCU, removed with everything in it.
class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        subkey_ = L"Software\\TrivaneTests\\ThemeSettings-" + std::to_wstring(GetCurrentProcessId())
            + L"-" + std::to_wstring(GetTickCount());
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS,
            RegCreateKeyExW(HKEY_CURRENT_USER, subkey_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                nullptr, &key, nullptr));
        key_.Reset(key);
    }

    void TearDown() override
    {
        key_.Reset();
        RegDeleteTreeW(HKEY_CURRENT_USER, subkey_.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, subkey_.c_str());
    }

    void SetDword(const wchar_t* name, DWORD value)
    {
        RegSetValueExW(
            key_.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    }

    void SetBytes(const wchar_t* name, DWORD type, const void* data, DWORD size)
    {
        RegSetValueExW(key_.Get(), name, 0, type, static_cast<const BYTE*>(data), size);
    }

    bool ValueExists(const wchar_t* name)
    {
        return RegQueryValueExW(key_.Get(), name, nullptr, nullptr, nullptr, nullptr)
            == ERROR_SUCCESS;
    }

    std::wstring subkey_;
    ScopedRegKey key_;
};

} // namespace

TEST_F(RegistryTest, DwordValuesAreRead)
{
    SetDword(L"ShadowX", 0xFFFFFFFB);
    int32_t value = 0;
    EXPECT_EQ(1, ReadRegistryDword(&value, HKEY_CURRENT_USER, subkey_.c_str(), L"ShadowX", 7));
    EXPECT_EQ(-5, value);
}

TEST_F(RegistryTest, AMissingDwordGivesTheDefaultAndWritesNothing)
{
    int32_t value = 123;
    EXPECT_EQ(0, ReadRegistryDword(&value, HKEY_CURRENT_USER, subkey_.c_str(), L"Absent", 42));
    EXPECT_EQ(42, value);
    EXPECT_FALSE(ValueExists(L"Absent"));

    std::wstring missingKey = subkey_ + L"\\Missing";
    value = 0;
    EXPECT_EQ(0, ReadRegistryDword(&value, HKEY_CURRENT_USER, missingKey.c_str(), L"X", -1));
    EXPECT_EQ(-1, value);
    HKEY probe = nullptr;
    EXPECT_NE(
        ERROR_SUCCESS, RegOpenKeyExW(HKEY_CURRENT_USER, missingKey.c_str(), 0, KEY_READ, &probe));
}

TEST_F(RegistryTest, AValueLongerThanADwordGivesTheDefault)
{
    const char eight[8] = { 1, 2, 3, 4, 5, 6, 7, 8 };
    SetBytes(L"Wide", REG_BINARY, eight, sizeof(eight));
    int32_t value = 0;
    EXPECT_EQ(0, ReadRegistryDword(&value, HKEY_CURRENT_USER, subkey_.c_str(), L"Wide", 9));
    EXPECT_EQ(9, value);
}

TEST_F(RegistryTest, StringsAreReadWithTheirTerminator)
{
    const wchar_t text[] = L"Ocean";
    SetBytes(L"CurrentTrail", REG_SZ, text, sizeof(text));
    wchar_t buffer[16];
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    EXPECT_EQ(1,
        ReadRegistryString(
            buffer, sizeof(buffer), HKEY_CURRENT_USER, subkey_.c_str(), L"CurrentTrail"));
    EXPECT_STREQ(L"Ocean", buffer);
}

TEST_F(RegistryTest, AStringStoredWithoutTerminatorIsTerminated)
{
    const wchar_t text[] = { L'a', L'b', L'c' };
    SetBytes(L"Raw", REG_SZ, text, sizeof(text));
    wchar_t buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    EXPECT_EQ(
        1, ReadRegistryString(buffer, sizeof(buffer), HKEY_CURRENT_USER, subkey_.c_str(), L"Raw"));
    EXPECT_STREQ(L"abc", buffer);
}

TEST_F(RegistryTest, MissingOrTooLongStringsLeaveTheBufferAlone)
{
    const wchar_t longText[] = L"a text longer than the buffer";
    SetBytes(L"Long", REG_SZ, longText, sizeof(longText));
    const wchar_t exact[] = { L'1', L'2', L'3', L'4' }; // fills the buffer, no room for NUL
    SetBytes(L"Exact", REG_SZ, exact, sizeof(exact));
    for (const wchar_t* name : { L"Absent", L"Long", L"Exact" }) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(name)));
        wchar_t buffer[4] = { L'w', L'x', L'y', L'z' };
        EXPECT_EQ(0,
            ReadRegistryString(buffer, sizeof(buffer), HKEY_CURRENT_USER, subkey_.c_str(), name));
        EXPECT_EQ(std::wstring(L"wxyz"), std::wstring(buffer, 4));
    }
}
