// Every engine test runs after the toolkit has started, as the programs do.

#include "LMToolkit.h"

#include <gtest/gtest.h>

namespace {

class EngineEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_EQ(1, LMInitialize(GetModuleHandleW(nullptr), L"TrivaneEngineTests", 0));
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new EngineEnvironment);

}  // namespace
