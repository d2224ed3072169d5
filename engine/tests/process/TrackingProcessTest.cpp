// The test variant of the engine under Wine: its system pointers are
// simulated, so it matches its dummy, draws the arrow and handles real
// clicks from the hook library, writing what it shows and plays to a log.

#include "EngineProcessFixture.h"

#include "CTheme.h"
#include "MessagePump.h"
#include "ScopedWin.h"
#include "SoundFixtures.h"
#include "TempFolder.h"
#include "TestThemes.h"

#include <sstream>

namespace {

constexpr DWORD kClickMs = 10000;

// The log's lines; read while the engine may be writing it.
std::vector<std::string> LogLines(const std::wstring& path)
{
    std::vector<std::string> lines;
    ScopedFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return lines;
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr) && read > 0)
        text.append(buffer, read);
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The lines after the first drawn arrow, or none before it.
std::vector<std::string> AfterFirstArrow(const std::vector<std::string>& lines)
{
    auto first = std::find(lines.begin(), lines.end(), "state 0-1");
    if (first == lines.end())
        return {};
    return std::vector<std::string>(first + 1, lines.end());
}

void LeftClick()
{
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

class TrackingProcessTest : public EngineProcessTest {
protected:
    void SetUp() override
    {
        EngineProcessTest::SetUp();
        auto theme = MakeTestTheme({{0, 1}, {0, 2}});
        AddTestSound(*theme, 0, MakeWave(8));
        AddTestSound(*theme, 1, MakeWave(10));
        theme->ContentFlags |= ThemeHasSounds;
        ASSERT_TRUE(SaveTestTheme(currentPath_, *theme));
    }
};

TEST_F(TrackingProcessTest, AClickPressesTheDrawnArrowAndPlaysItsSounds)
{
    TempFolder folder;
    std::wstring log = folder.File(L"engine.log");
    SetEnvironmentVariableW(L"TRIVANE_TEST_LOG", log.c_str());
    EngineProcess engine = StartProgram(ProgramBesideTests(L"TrivaneTestEngine.exe"));
    SetEnvironmentVariableW(L"TRIVANE_TEST_LOG", nullptr);
    ASSERT_TRUE(engine.IsValid());
    HWND window = WaitForEngineWindow(engine.Id(), kEngineStartMs);
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(PumpMessagesUntil([&] { return !LogLines(log).empty(); }, kEngineStartMs))
        << "the arrow was never drawn";
    EXPECT_EQ("state 0-1", LogLines(log).front());

    LeftClick();
    PumpMessagesUntil([&] { return AfterFirstArrow(LogLines(log)).size() >= 4; }, kClickMs);
    EXPECT_EQ((std::vector<std::string>{"state 0-2", "sound 0", "state 0-1", "sound 1"}),
              AfterFirstArrow(LogLines(log)));

    ASSERT_TRUE(PostEngineMessage(window, L"WM_TRV_SHUTDOWN"));
    EXPECT_EQ(1u, engine.WaitForExit(kEngineExitMs));
}

}  // namespace
