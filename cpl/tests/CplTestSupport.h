#pragma once
// Shared by the settings page's core tests: a registry key of the test's
// own, and a fixture that opens the page under a window that records the
// sheet's messages, with a world that records what the page posts and starts.

#include "CplSettings.h"
#include "LMObj.h"
#include "MessageBoxRecorder.h"
#include "RecordingWorld.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// HKCU "Software\TrivaneTests\cpl-<process>-<n>\Kelmora\Trivane" (made only
// on request); removed with everything in it.
class TestSettingsKey {
public:
    explicit TestSettingsKey(bool create = true);
    ~TestSettingsKey();
    TestSettingsKey(const TestSettingsKey&) = delete;
    TestSettingsKey& operator=(const TestSettingsKey&) = delete;

    const std::wstring& Key() const { return key_; }
    bool Exists() const;
    // Stores the value; type REG_NONE deletes it.
    void Set(const wchar_t* name, DWORD type, const std::string& bytes) const;
    // The value's type and bytes; REG_NONE and no bytes when missing.
    DWORD Read(const wchar_t* name, std::string* bytes) const;

private:
    std::wstring base_;
    std::wstring key_;
};

// The page (the test program's own resources) under a hidden window that
// records PSM_CHANGED, with the recording world, the test's settings key and
// an empty Themes folder of its own in place and message boxes recorded.
class PageFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND OpenPage();
    void ClosePage();
    void Apply();

    RecordingWorld world_;
    TestSettingsKey settings_;
    TempFolder themes_;
    MessageBoxRecorder boxes_;
    HWND host_ = nullptr;
    HWND page_ = nullptr;
};

// The wParam of each PSM_CHANGED the host got.
extern std::vector<WPARAM> SheetChanges;

// The four bytes of a DWORD value.
std::string Dword(int32_t value);
// The name of an object's current state; empty without one.
std::wstring StateName(const LMObj* object);

// One one-frame opaque cursor of a test theme.
struct TestCursor {
    int32_t Role;
    int32_t State;  // 1 normal, 2 pressed
    int Width;
    int Height;
};
// Saves a ".Trivane" theme of those cursors; true when it was written.
bool WriteCursorTheme(const std::wstring& path, const std::vector<TestCursor>& cursors);

// True when the window has WS_VISIBLE itself (its hidden host aside).
bool HasVisibleStyle(HWND window);
