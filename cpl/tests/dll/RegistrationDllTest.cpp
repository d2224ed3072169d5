// Registration through TrivaneCpl.dll itself, copied to F = "<temporary
// folder>\Reg & Co 7": in private registry views, and once through regsvr32
// in the prefix's own registry.

#include "CplLibrary.h"
#include "RegistryViews.h"
#include "ScopedWin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kRun[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kItem[] = L"CLSID\\{09EFED77-C147-4F19-B434-D2C91293B33E}";

std::wstring Replace(std::wstring text, const std::wstring& from, const std::wstring& to)
{
    for (size_t at = text.find(from); at != std::wstring::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::wstring MakeFolder(const TempFolder& temp)
{
    std::wstring folder = temp.File(L"Reg & Co 7");
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

bool KeyExists(HKEY root, const std::wstring& key)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

class RegistrationDllTest : public testing::Test {
protected:
    RegistrationDllTest()
        : folder_(MakeFolder(temp_)), library_(temp_, L"Reg & Co 7\\TrivaneCpl.dll")
    {
    }
    void SetUp() override
    {
        ASSERT_TRUE(library_.Loaded());
        views_.Seed(HKEY_CURRENT_USER, kRun, L"Other");
    }
    HRESULT Register() { return views_.Inside(library_.RegisterServer); }

    TempFolder temp_;
    std::wstring folder_;
    CplLibrary library_;
    RegistryViews views_;
};

TEST_F(RegistrationDllTest, RegisteringWritesTheTableAndAgainTheSame)
{
    const wchar_t* table[] = {
        L"CR\\.PvltTheme [] REG_SZ PvltThemeFile",
        L"CR\\.Trivane [] REG_SZ TrivaneFile",
        L"CR\\<item> [] REG_SZ Trivane",
        L"CR\\<item> [System.ApplicationName] REG_SZ Kelmora.Trivane",
        L"CR\\<item> [System.ControlPanel.Category] REG_SZ 1",
        L"CR\\<item> [System.Software.TasksFileUrl] REG_SZ <F>\\links.xml",
        L"CR\\<item>\\DefaultIcon [] REG_EXPAND_SZ <F>\\Trivane.exe,0",
        L"CR\\<item>\\Shell\\Open\\Command [] REG_EXPAND_SZ \"<F>\\Trivane Control Panel.exe\"",
        L"CR\\PvltThemeFile [] REG_SZ Trivane theme",
        L"CR\\PvltThemeFile\\DefaultIcon [] REG_SZ <F>\\Trivane.exe,0",
        L"CR\\PvltThemeFile\\shell\\edit\\command [] REG_SZ \"<F>\\Trivane Theme Editor.exe\" "
        L"\"%1\"",
        L"CR\\PvltThemeFile\\shell\\open\\command [] REG_SZ \"<F>\\Trivane.exe\" \"%1\"",
        L"CR\\TrivaneFile [] REG_SZ Trivane theme",
        L"CR\\TrivaneFile\\DefaultIcon [] REG_SZ <F>\\TrivaneCpl.dll,0",
        L"CR\\TrivaneFile\\shell\\edit\\command [] REG_SZ \"<F>\\Trivane Theme Editor.exe\" \"%1\"",
        L"CR\\TrivaneFile\\shell\\open\\command [] REG_SZ \"<F>\\Trivane.exe\" \"%1\"",
        L"CU\\SOFTWARE\\Kelmora\\Trivane",
        L"CU\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run [Other] REG_SZ x",
        L"CU\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run [Trivane] REG_SZ "
        L"\"<F>\\Trivane.exe\"",
        L"LM\\SOFTWARE\\Kelmora",
        L"LM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\ControlPanel\\NameSpace\\"
        L"{09EFED77-C147-4F19-B434-D2C91293B33E} [] REG_SZ Trivane",
    };
    std::vector<std::wstring> expected;
    for (const wchar_t* line : table)
        expected.push_back(Replace(Replace(line, L"<F>", folder_), L"<item>", kItem));
    std::sort(expected.begin(), expected.end());
    for (int time = 1; time <= 2; ++time) {
        SCOPED_TRACE(testing::Message() << "registration " << time);
        EXPECT_EQ(S_OK, Register());
        EXPECT_EQ(expected, views_.Dump());
    }
}

TEST_F(RegistrationDllTest, TheTaskFileRunsTheControlPanelByItsShortPath)
{
    const std::wstring document =
        L"\xFEFF<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
        L"<applications xmlns=\"http://schemas.microsoft.com/windows/cpltasks/v1\" "
        L"xmlns:sh=\"http://schemas.microsoft.com/windows/tasks/v1\">\r\n"
        L"  <application id=\"{09EFED77-C147-4F19-B434-D2C91293B33E}\">\r\n"
        L"    <sh:task id=\"{08EE7176-B646-47FA-B847-F48AADF76A0D}\">\r\n"
        L"      <sh:name>Browse Cursors</sh:name>\r\n"
        L"      <sh:keywords>Trivane;Cursors;Themes</sh:keywords>\r\n"
        L"      <sh:command><command></sh:command>\r\n"
        L"    </sh:task>\r\n"
        L"    <sh:task id=\"{BEB9B378-32A9-4F05-A33E-FF614C0FC148}\">\r\n"
        L"      <sh:name>Download Cursors</sh:name>\r\n"
        L"      <sh:keywords>Trivane;Cursors;Themes;Download</sh:keywords>\r\n"
        L"      <sh:command>\"https://www.kelmora.com/trivane/download/\"</sh:command>\r\n"
        L"    </sh:task>\r\n"
        L"    <category id=\"1\">\r\n"
        L"      <sh:task idref=\"{08EE7176-B646-47FA-B847-F48AADF76A0D}\"/>\r\n"
        L"      <sh:task idref=\"{BEB9B378-32A9-4F05-A33E-FF614C0FC148}\"/>\r\n"
        L"    </category>\r\n"
        L"  </application>\r\n"
        L"</applications>\r\n";
    const std::wstring program = folder_ + L"\\Trivane Control Panel.exe";
    for (bool present : {true, false}) {
        SCOPED_TRACE(present ? "with the control panel" : "without it");
        std::wstring command = L"\"" + program + L"\"";
        wchar_t shortPath[MAX_PATH] = {};
        if (present) {
            ASSERT_TRUE(WriteBytesToFile(program, "MZ", 2));
            ASSERT_NE(0u, GetShortPathNameW(program.c_str(), shortPath, MAX_PATH));
            command = shortPath;
        } else {
            DeleteFileW(program.c_str());
        }
        std::wstring text = Replace(document, L"<command>", Replace(command, L"&", L"&amp;"));
        EXPECT_EQ(S_OK, Register());
        std::string bytes;
        ASSERT_TRUE(ReadBytesFromFile(folder_ + L"\\links.xml", &bytes));
        EXPECT_EQ("\xFF\xFE", bytes.substr(0, 2));
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2), bytes);
    }
}

// The product's keys in the prefix's own registry, copied aside and put back
// as they were.
class SavedKeys {
public:
    SavedKeys()
    {
        for (size_t i = 0; i < keys_.size(); ++i) {
            HKEY key = nullptr;
            if (RegOpenKeyExW(keys_[i].first, keys_[i].second, 0, KEY_READ, &key) != 0)
                continue;
            ScopedRegKey owner(key);
            ScopedRegKey copy(CreateKey(HKEY_CURRENT_USER, Backup(i)));
            RegCopyTreeW(key, nullptr, copy.Get());
            saved_.push_back(i);
        }
    }
    ~SavedKeys()
    {
        for (const auto& key : keys_)
            RegDeleteTreeW(key.first, key.second);
        for (size_t i : saved_) {
            HKEY backup = nullptr;
            RegOpenKeyExW(HKEY_CURRENT_USER, Backup(i).c_str(), 0, KEY_READ, &backup);
            ScopedRegKey owner(backup);
            ScopedRegKey restored(CreateKey(keys_[i].first, keys_[i].second));
            RegCopyTreeW(backup, nullptr, restored.Get());
        }
        RegDeleteTreeW(HKEY_CURRENT_USER, base_.c_str());
    }
    SavedKeys(const SavedKeys&) = delete;
    SavedKeys& operator=(const SavedKeys&) = delete;

private:
    static HKEY CreateKey(HKEY root, const std::wstring& key)
    {
        HKEY created = nullptr;
        RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created,
                        nullptr);
        return created;
    }
    std::wstring Backup(size_t index) const { return base_ + L"\\" + std::to_wstring(index); }

    std::wstring base_ = L"Software\\TrivaneTest\\saved-" + std::to_wstring(GetCurrentProcessId());
    const std::vector<std::pair<HKEY, const wchar_t*>> keys_ = {
        {HKEY_CLASSES_ROOT, L".PvltTheme"},
        {HKEY_CLASSES_ROOT, L"PvltThemeFile"},
        {HKEY_CLASSES_ROOT, L".Trivane"},
        {HKEY_CLASSES_ROOT, L"TrivaneFile"},
        {HKEY_CLASSES_ROOT, L".DravonScheme"},
        {HKEY_CLASSES_ROOT, L"DravonSchemeFile"},
        {HKEY_CLASSES_ROOT, L"CLSID\\{43A27E78-5C7A-4C52-99E5-D8309C61D6A3}"},
        {HKEY_CLASSES_ROOT, kItem},
        {HKEY_CURRENT_USER, kRun},
        {HKEY_CURRENT_USER, L"SOFTWARE\\Kelmora"},
        {HKEY_LOCAL_MACHINE, L"SOFTWARE\\Kelmora"},
        {HKEY_LOCAL_MACHINE,
         L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\ControlPanel\\"
         L"NameSpace\\{09EFED77-C147-4F19-B434-D2C91293B33E}"},
        {HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Controls "
                             L"Folder\\Mouse\\shellex\\PropertySheetHandlers\\Trivane"},
    };
    std::vector<size_t> saved_;
};

// A window of the engine's class on a thread of its own, recording the stop
// request's messages and whether each came as a sent message.
class EngineWindowThread {
public:
    EngineWindowThread()
    {
        thread_.Reset(CreateThread(nullptr, 0, Run, this, 0, &threadId_));
        WaitForSingleObject(ready_.Get(), 10000);
    }
    ~EngineWindowThread() { Stop(); }
    EngineWindowThread(const EngineWindowThread&) = delete;
    EngineWindowThread& operator=(const EngineWindowThread&) = delete;

    // Ends the thread; what the window got, in order.
    std::vector<std::string> Stop()
    {
        if (thread_) {
            PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
            WaitForSingleObject(thread_.Get(), 10000);
            thread_.Reset();
        }
        return received_;
    }

private:
    static DWORD WINAPI Run(void* param)
    {
        auto* self = static_cast<EngineWindowThread*>(param);
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Proc;
        windowClass.lpszClassName = L"Pavolt";
        RegisterClassW(&windowClass);
        HWND window = CreateWindowExW(0, L"Pavolt", L"", WS_POPUP, 0, 0, 32, 32, nullptr, nullptr,
                                      nullptr, nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        SetEvent(self->ready_.Get());
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0)
            DispatchMessageW(&message);
        DestroyWindow(window);
        UnregisterClassW(L"Pavolt", nullptr);
        return 0;
    }
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self =
            reinterpret_cast<EngineWindowThread*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        const char* name = message == RegisterWindowMessageW(L"WM_TRV_SHUTDOWN") ? "WM_TRV_SHUTDOWN"
                           : message == 0x7B8                                    ? "0x7B8"
                                                                                 : nullptr;
        if (!self || !name)
            return DefWindowProcW(window, message, wParam, lParam);
        bool sent = (InSendMessageEx(nullptr) & ISMEX_SEND) != 0;
        self->received_.push_back(std::string(name) + (sent ? " sent" : " not sent"));
        return 0;
    }

    ScopedKernelHandle ready_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    ScopedKernelHandle thread_;
    DWORD threadId_ = 0;
    std::vector<std::string> received_;
};

DWORD RunRegsvr32(const std::wstring& options, const std::wstring& library)
{
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    std::wstring command =
        L"\"" + std::wstring(system) + L"\\regsvr32.exe\" " + options + L" \"" + library + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return GetLastError();
    ScopedKernelHandle owner(process.hProcess);
    ScopedKernelHandle thread(process.hThread);
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    return code;
}

TEST_F(RegistrationDllTest, Regsvr32RegistersAndUnregistersStoppingTheEngineFirst)
{
    ASSERT_EQ(nullptr, FindWindowW(L"Pavolt", nullptr));
    SavedKeys saved;
    EXPECT_EQ(0u, RunRegsvr32(L"/s", library_.Path()));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L"TrivaneFile\\shell\\open\\command"));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kItem));
    EngineWindowThread engine;
    EXPECT_EQ(0u, RunRegsvr32(L"/u /s", library_.Path()));
    EXPECT_EQ((std::vector<std::string>{"WM_TRV_SHUTDOWN sent", "0x7B8 sent"}), engine.Stop());
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"TrivaneFile"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kItem));
}

}  // namespace
