// Every toolkit test runs after the toolkit has started, as a program would.

#include "LMToolkit.h"

#include <gtest/gtest.h>

namespace {

class ToolkitEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_EQ(1, LMInitialize(GetModuleHandleW(nullptr), L"TrivaneToolkitTests", 0));
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);

}  // namespace
