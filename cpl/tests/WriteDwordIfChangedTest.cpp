#include "CplTestSupport.h"

using namespace cpl;

TEST(WriteDwordIfChangedTest, WritesAFourByteDwordOnlyWhenTheStoredOneDiffers)
{
    const wchar_t one[] = L"\x0001";  // a REG_SZ of the same four bytes as 1
    struct Row {
        const char* Label;
        DWORD StoredType;  // REG_NONE: no value
        std::string Stored;
        int Result;
        bool Rewritten;
    } rows[] = {
        {"equal", REG_DWORD, std::string("\x01\x00\x00\x00", 4), 0, false},
        {"different", REG_DWORD, std::string("\x02\x00\x00\x00", 4), 1, true},
        {"missing", REG_NONE, "", 1, true},
        {"same bytes as text", REG_SZ, std::string(reinterpret_cast<const char*>(one), 4), 1, true},
        {"eight bytes", REG_QWORD, std::string("\x01\x00\x00\x00\x00\x00\x00\x00", 8), 1, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Label);
        TestSettingsKey key;
        if (row.StoredType != REG_NONE)
            key.SetRaw(L"Value", row.StoredType, row.Stored.data(),
                       static_cast<DWORD>(row.Stored.size()));
        EXPECT_EQ(row.Result,
                  WriteDwordIfChanged(1, HKEY_CURRENT_USER, key.Key().c_str(), L"Value"));
        std::string bytes;
        DWORD type = key.Read(L"Value", &bytes);
        EXPECT_EQ(static_cast<DWORD>(row.Rewritten ? REG_DWORD : row.StoredType), type);
        EXPECT_EQ(row.Rewritten ? std::string("\x01\x00\x00\x00", 4) : row.Stored, bytes);
    }
}

TEST(WriteDwordIfChangedTest, AMissingKeyIsNotMade)
{
    TestSettingsKey key(false);
    EXPECT_EQ(1, WriteDwordIfChanged(5, HKEY_CURRENT_USER, key.Key().c_str(), L"Value"));
    EXPECT_FALSE(key.Exists());
}
