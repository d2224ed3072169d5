#pragma once
// Each process test starts from no engine and a known current theme, and
// leaves the session as it found it: engines ended, the current theme file,
// the settings it touched and the Themes folder restored.

#include "EngineHarness.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>

constexpr DWORD kEngineStartMs = 20000;
constexpr DWORD kEngineExitMs = 20000;

class EngineProcessTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A current theme with one arrow cursor.
    void WriteCurrentTheme();
    void DeleteCurrentTheme();
    std::string CurrentThemeBytes() const;
    void SetSetting(const wchar_t* name, DWORD value);

    // Starts an engine and waits for its window.
    HWND StartRunningEngine(EngineProcess* process);

    std::wstring currentPath_;
    std::wstring themesFolder_;

private:
    std::optional<std::string> savedCurrent_;
    std::map<std::wstring, std::optional<DWORD>> savedSettings_;
    std::set<std::wstring> themesBefore_;
};
