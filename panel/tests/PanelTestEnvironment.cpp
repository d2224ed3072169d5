// Every panel test runs after the toolkit has started with the panel's
// flags (no toolkit mutex), frames driven by the tests' own ticks (but for
// the screen tests), and with
// the interface texts installed beside the test program.

#include "LMToolkit.h"
#include "Language.h"
#include "PanelTestSupport.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// The screen tests watch the pages fade in on the real frame timer.
#ifdef TRIVANE_PANEL_REAL_FRAMES
constexpr int kFrameFlags = 0;
#else
constexpr int kFrameFlags = LMInitDrivenFrames;
#endif

class PanelEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        std::wstring name = L"TrivanePanelTests" + std::to_wstring(GetCurrentProcessId());
        ASSERT_EQ(1, LMInitialize(GetModuleHandleW(nullptr), name.c_str(),
                                  LMInitReserved | LMInitNoMutex | kFrameFlags));
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
