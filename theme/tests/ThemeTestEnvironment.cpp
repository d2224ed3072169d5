// Every theme test runs after the toolkit has started, as a program would, and
// the retrying file functions do not really sleep between their attempts.

#include "FileRetry.h"
#include "LMToolkit.h"

#include <gtest/gtest.h>

namespace
{

class ThemeEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        ASSERT_EQ(1, LMInitialize(GetModuleHandleW(nullptr), L"TrivaneThemeTests", 0));
        SetThemeFileSleep([](DWORD) {});
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ThemeEnvironment);

} // namespace
