// Every panel test runs after the toolkit has started with the panel's
// flags (no toolkit mutex), frames driven by the tests' own ticks, and with
// the interface texts installed beside the test program.

#include "LMToolkit.h"
#include "Language.h"
#include "PanelTestSupport.h"

#include <shlwapi.h>

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
        ASSERT_EQ(1, LoadProgramTexts());
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new PanelEnvironment);

}  // namespace

int LoadProgramTexts()
{
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    PathRemoveFileSpecW(program);
    LanguageSource source;
    source.ProgramFolder = program;
    source.SettingsKey = L"Software\\TrivaneTests\\panel-no-settings";
    return LoadLanguageFrom(source, nullptr);
}
