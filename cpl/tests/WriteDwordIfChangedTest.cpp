#include "CplTestSupport.h"

using namespace cpl;

TEST(WriteDwordIfChangedTest, WritesAFourByteDwordOnlyWhenTheStoredOneDiffers)
{
    const std::string one("\x01\x00\x00\x00", 4);
    struct Row {
        const char* Label;
        DWORD StoredType;  // REG_NONE: no value
        std::string Stored;
        int Result;
    } rows[] = {
        {"equal", REG_DWORD, one, 0},
        {"different", REG_DWORD, std::string("\x02\x00\x00\x00", 4), 1},
        {"missing", REG_NONE, "", 1},
        {"the same bytes as a REG_SZ", REG_SZ, one, 1},
        {"eight bytes", REG_QWORD, one + one, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Label);
        TestSettingsKey key;
        key.Set(L"Value", row.StoredType, row.Stored);
        EXPECT_EQ(row.Result,
                  WriteDwordIfChanged(1, HKEY_CURRENT_USER, key.Key().c_str(), L"Value"));
        std::string bytes;
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), key.Read(L"Value", &bytes));
        EXPECT_EQ(one, bytes);
    }
    TestSettingsKey missing(false);
    EXPECT_EQ(1, WriteDwordIfChanged(5, HKEY_CURRENT_USER, missing.Key().c_str(), L"Value"));
    EXPECT_FALSE(missing.Exists());
}
