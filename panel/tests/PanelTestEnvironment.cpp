// Every panel test runs after the toolkit has started with the panel's
// flags (no toolkit mutex), frames driven by the tests' own ticks.

#include "LMToolkit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class PanelEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        std::wstring name = L"TrivanePanelTests" + std::to_wstring(GetCurrentProcessId());
        ASSERT_EQ(1, LMInitialize(GetModuleHandleW(nullptr), name.c_str(),
                                  LMInitReserved | LMInitNoMutex | LMInitDrivenFrames));
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new PanelEnvironment);

}  // namespace
