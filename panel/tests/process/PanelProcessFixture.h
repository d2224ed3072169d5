#pragma once
// Each panel process test starts from no panel and no engine and leaves the
// session as it found it: every panel and engine ended, the current theme,
// the shadow and language settings the panel writes, and the Themes folder
// with its preview cache restored.

#include "EngineProcessFixture.h"

#include <set>
#include <string>
#include <vector>

constexpr DWORD kPanelStartMs = 20000;
constexpr DWORD kPanelExitMs = 20000;

class PanelProcessTest : public EngineProcessTest {
protected:
    void SetUp() override;
    void TearDown() override;

    EngineProcess StartPanel();

private:
    std::wstring previewFolder_;
    bool previewExisted_ = false;
    std::set<std::wstring> previewsBefore_;
};

// The dialogs marked as the running panel's, with their processes.
std::vector<EngineWindowInfo> PanelWindows();
// The marked dialog of that process, waiting for it up to the deadline.
HWND WaitForPanelWindow(DWORD processId, DWORD timeoutMs);
// Cancels every marked dialog and ends what does not end.
void EndAllPanels();
