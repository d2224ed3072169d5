// TrivaneCpl.dll registered and unregistered by regsvr32 in the prefix's own
// registry, with a stand-in engine window to stop; what was there before is
// put back.

#include "CplLibrary.h"
#include "RegistryViews.h"
#include "ScopedWin.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

const std::wstring kItem = L"CLSID\\{09EFED77-C147-4F19-B434-D2C91293B33E}";

bool KeyExists(HKEY root, const std::wstring& key)
{
    HKEY opened = nullptr;
    RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened);
    ScopedRegKey owner(opened);
    return opened != nullptr;
}

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

// What the stand-in engine window got: the stop request's messages, each
// marked with whether it was sent.
std::vector<std::string> Received;

LRESULT CALLBACK EngineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const char* name = message == RegisterWindowMessageW(L"WM_TRV_SHUTDOWN") ? "WM_TRV_SHUTDOWN"
                       : message == 0x7B8                                    ? "0x7B8"
                                                                             : nullptr;
    if (!name)
        return DefWindowProcW(window, message, wParam, lParam);
    bool sent = (InSendMessageEx(nullptr) & ISMEX_SEND) != 0;
    Received.push_back(std::string(name) + (sent ? " sent" : " not sent"));
    return 0;
}

TEST(RegistrationDllTest, Regsvr32RegistersAndUnregistersStoppingTheEngineFirst)
{
    ASSERT_EQ(nullptr, FindWindowW(L"Pavolt", nullptr));
    TempFolder folder;
    CplLibrary library(folder);
    RegistryViews saved;
    const std::pair<HKEY, std::wstring> keys[] = {
        {HKEY_CLASSES_ROOT, L".PvltTheme"},
        {HKEY_CLASSES_ROOT, L"PvltThemeFile"},
        {HKEY_CLASSES_ROOT, L".Trivane"},
        {HKEY_CLASSES_ROOT, L"TrivaneFile"},
        {HKEY_CLASSES_ROOT, L".DravonScheme"},
        {HKEY_CLASSES_ROOT, L"DravonSchemeFile"},
        {HKEY_CLASSES_ROOT, L"CLSID\\{43A27E78-5C7A-4C52-99E5-D8309C61D6A3}"},
        {HKEY_CLASSES_ROOT, kItem},
        {HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"},
        {HKEY_CURRENT_USER, L"SOFTWARE\\Kelmora"},
        {HKEY_LOCAL_MACHINE, L"SOFTWARE\\Kelmora"},
        {HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\ControlPanel"
                             L"\\NameSpace\\{09EFED77-C147-4F19-B434-D2C91293B33E}"},
        {HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Controls "
                             L"Folder\\Mouse\\shellex\\PropertySheetHandlers\\Trivane"},
    };
    for (const auto& key : keys)
        saved.Keep(key.first, key.second);

    EXPECT_EQ(0u, RunRegsvr32(L"/s", library.Path()));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L"TrivaneFile\\shell\\open\\command"));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kItem));

    // The engine window answers on a thread of its own while this one waits.
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ScopedKernelHandle readyOwner(ready);
    DWORD engineThread = 0;
    std::thread engine([&] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = EngineProc;
        windowClass.lpszClassName = L"Pavolt";
        RegisterClassW(&windowClass);
        ScopedWindow window(CreateWindowExW(0, L"Pavolt", L"", WS_POPUP, 0, 0, 32, 32, nullptr,
                                            nullptr, nullptr, nullptr));
        engineThread = GetCurrentThreadId();
        SetEvent(ready);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0)
            DispatchMessageW(&message);
    });
    WaitForSingleObject(ready, 10000);
    EXPECT_EQ(0u, RunRegsvr32(L"/u /s", library.Path()));
    PostThreadMessageW(engineThread, WM_QUIT, 0, 0);
    engine.join();
    UnregisterClassW(L"Pavolt", nullptr);
    EXPECT_EQ((std::vector<std::string>{"WM_TRV_SHUTDOWN sent", "0x7B8 sent"}), Received);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"TrivaneFile"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kItem));

    for (const auto& key : keys)
        saved.PutBack(key.first, key.second);
}

}  // namespace
