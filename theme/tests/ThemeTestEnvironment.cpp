// Every theme test runs after the toolkit has started, as a program would, and
// the retrying file functions do not really sleep between their attempts. The
// temporary folder is the program's own, so archive loads of other test
// programs never show in it.

#include "FileRetry.h"
#include "LMToolkit.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

class ThemeEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        ASSERT_EQ(1, LMInitialize(GetModuleHandleW(nullptr), L"TrivaneThemeTests", 0));
        SetThemeFileSleep([](DWORD) {});
        temp_ = std::make_unique<TempFolder>();
        SetEnvironmentVariableW(L"TMP", temp_->Path().c_str());
        SetEnvironmentVariableW(L"TEMP", temp_->Path().c_str());
    }
    void TearDown() override { temp_.reset(); }

private:
    std::unique_ptr<TempFolder> temp_;
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ThemeEnvironment);

} // namespace
