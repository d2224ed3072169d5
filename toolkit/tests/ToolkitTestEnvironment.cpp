// Every toolkit test runs after the toolkit has started, as a program would.

#include "LMToolkit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ToolkitEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        // A name per process: test processes run side by side and must not
        // wait for each other's toolkit lock.
        std::wstring name = L"TrivaneToolkitTests" + std::to_wstring(GetCurrentProcessId());
        ASSERT_EQ(1, LMInitialize(GetModuleHandleW(nullptr), name.c_str(), 0));
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);

}  // namespace
