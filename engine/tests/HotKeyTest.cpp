#include "HotKey.h"
#include "CPointer.h"
#include "EngineValues.h"
#include "FakeWorld.h"

#include <gtest/gtest.h>

namespace {

TEST(HotKeyTest, SettingGivesModifiersAndKey)
{
    struct Case {
        uint32_t Value;
        UINT Modifiers;
        UINT Key;
    };
    const Case cases[] = {
        {0x343, MOD_CONTROL | MOD_SHIFT, 'C'},
        {0x841, MOD_WIN, 'A'},
        {0x47B, MOD_ALT, VK_F12},
        {0x10343, MOD_CONTROL | MOD_SHIFT, 'C'},
        {0xF41, MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN, 'A'},
        {0x41, 0, 'A'},
        {0x300, 0, 0},
        {0, 0, 0},
        {0xFFFFFFFF, MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN, 0xFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "HotKey 0x" << std::hex << c.Value);
        HotKeyCombo combo = DecodeHotKey(c.Value);
        EXPECT_EQ(c.Modifiers, combo.Modifiers);
        EXPECT_EQ(c.Key, combo.Key);
    }
}

class EngineHotKeyTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResetEngineValues();
        EngineWindow = world_.CreatedWindow;
    }
    void TearDown() override { ResetEngineValues(); }

    FakeWorld world_;
    ScopedWorld scope_{&world_};
};

TEST_F(EngineHotKeyTest, TheDefaultIsControlShiftC)
{
    EXPECT_TRUE(RegisterEngineHotKey());
    EXPECT_EQ(std::vector<std::string>{"RegisterHotKey 0x1000 0 6 67"},
              world_.CallsOf("RegisterHotKey"));
    ASSERT_EQ(1, world_.Count("ReadRegistryDword"));
    const std::string read = world_.CallsOf("ReadRegistryDword")[0];
    EXPECT_NE(std::string::npos, read.find(" SOFTWARE\\Kelmora\\Trivane HotKey 835"))
        << read << ": the current value is the default";
}

TEST_F(EngineHotKeyTest, OnlyTheLowSixteenBitsOfTheSettingCount)
{
    world_.Settings[L"HotKey"] = 0x10841;
    EXPECT_TRUE(RegisterEngineHotKey());
    EXPECT_EQ(std::vector<std::string>{"RegisterHotKey 0x1000 0 8 65"},
              world_.CallsOf("RegisterHotKey"));
    EXPECT_EQ(0x841, EngineHotKey);
}

TEST_F(EngineHotKeyTest, ASettingWithoutKeyRegistersNothing)
{
    for (int32_t value : {0, 0x300, 0x10000}) {
        SCOPED_TRACE(testing::Message() << "HotKey 0x" << std::hex << value);
        world_.Calls.clear();
        world_.Settings[L"HotKey"] = value;
        EXPECT_FALSE(RegisterEngineHotKey());
        EXPECT_FALSE(world_.Called("RegisterHotKey"));
    }
}

TEST_F(EngineHotKeyTest, AKeyTakenElsewhereLeavesTheEngineWithout)
{
    world_.Settings[L"HotKey"] = -1;
    world_.HotKeyRegisters = FALSE;
    EXPECT_FALSE(RegisterEngineHotKey());
    EXPECT_EQ(std::vector<std::string>{"RegisterHotKey 0x1000 0 15 255"},
              world_.CallsOf("RegisterHotKey"));
}

}  // namespace
