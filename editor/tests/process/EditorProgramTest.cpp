// The editor program run on a theme file and closed like a user would.

#include "EngineHarness.h"
#include "MessagePump.h"
#include "ScopedWin.h"
#include "TempFolder.h"
#include "TestThemes.h"

#include <gtest/gtest.h>

namespace {

constexpr const wchar_t* kEditorKey = L"Software\\Trivane Theme Editor";
constexpr const wchar_t* kRecentFiles =
    L"Software\\Trivane Theme Editor\\Trivane Theme Editor\\Recent File List";
constexpr DWORD kProgramMs = 20000;

bool KeyExists(const std::wstring& subkey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void CopyKey(const std::wstring& from, const std::wstring& to)
{
    HKEY source = nullptr;
    HKEY target = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, from.c_str(), 0, KEY_READ, &source) != ERROR_SUCCESS)
        return;
    ScopedRegKey sourceOwner(source);
    if (RegCreateKeyExW(HKEY_CURRENT_USER, to.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &target, nullptr) == ERROR_SUCCESS) {
        ScopedRegKey targetOwner(target);
        RegCopyTreeW(source, nullptr, target);
    }
}

void DeleteKey(const std::wstring& subkey)
{
    RegDeleteTreeW(HKEY_CURRENT_USER, subkey.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, subkey.c_str());
}

struct TitleSearch {
    DWORD ProcessId;
    const std::wstring* Title;
    HWND Found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<TitleSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    if (owner == search->ProcessId && *search->Title == text)
        search->Found = window;
    return search->Found == nullptr;
}

HWND TopWindowTitled(DWORD processId, const std::wstring& title)
{
    TitleSearch search = {processId, &title, nullptr};
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// The session's editor profile is put back as it was after each test.
class EditorProgramTest : public testing::Test {
protected:
    void SetUp() override
    {
        backup_ = L"Software\\TrivaneTests\\EditorBackup-" + std::to_wstring(GetCurrentProcessId());
        hadProfile_ = KeyExists(kEditorKey);
        if (hadProfile_)
            CopyKey(kEditorKey, backup_);
    }

    void TearDown() override
    {
        DeleteKey(kEditorKey);
        if (hadProfile_)
            CopyKey(backup_, kEditorKey);
        DeleteKey(backup_);
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TrivaneTests");
    }

    std::wstring backup_;
    bool hadProfile_ = false;
};

}  // namespace

TEST_F(EditorProgramTest, ARunOnAThemeFileNamesItAndLeavesItFirstInTheRecentFiles)
{
    TempFolder folder;
    std::wstring path = folder.File(L"Process Fire.Trivane");
    ASSERT_TRUE(SaveTestTheme(path, {{0, 1}}));

    EngineProcess editor =
        StartProgram(ProductProgram(L"Trivane Theme Editor.exe"), L"\"" + path + L"\"");
    ASSERT_TRUE(editor.IsValid());
    HWND frame = nullptr;
    ASSERT_TRUE(PumpMessagesUntil(
        [&] {
            frame = TopWindowTitled(editor.Id(), L"Trivane Theme Editor - Process Fire.Trivane");
            return frame != nullptr;
        },
        kProgramMs));
    PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, editor.WaitForExit(kProgramMs));

    wchar_t first[MAX_PATH] = {};
    DWORD bytes = sizeof(first);
    EXPECT_EQ(ERROR_SUCCESS, RegGetValueW(HKEY_CURRENT_USER, kRecentFiles, L"File1", RRF_RT_REG_SZ,
                                          nullptr, first, &bytes));
    EXPECT_EQ(path, first);
}
