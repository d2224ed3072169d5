#include "CplTestSupport.h"

#include "CplModule.h"
#include "CplResources.h"
#include "SettingsPage.h"

#include <commctrl.h>
#include <prsht.h>

#include <cwchar>

namespace {

std::vector<WPARAM> g_changes;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == PSM_CHANGED)
        g_changes.push_back(wParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* HostClass()
{
    static const wchar_t name[] = L"TrivaneCplTestSheet";
    static bool registered = false;
    if (!registered) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = HostProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = name;
        registered = RegisterClassW(&windowClass) != 0;
    }
    return name;
}

}  // namespace

HWND RecordingWorld::FindWindowW(const wchar_t* className, const wchar_t*)
{
    return className && wcscmp(className, L"Pavolt") == 0 ? EngineWindow : nullptr;
}

BOOL RecordingWorld::PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Posted.push_back({window, message, wParam, lParam});
    return TRUE;
}

BOOL RecordingWorld::ShellExecuteExW(SHELLEXECUTEINFOW* info)
{
    Launches.push_back({info->hwnd, info->lpFile ? info->lpFile : L"", info->lpVerb != nullptr,
                        info->lpParameters != nullptr, info->lpDirectory != nullptr, info->nShow,
                        info->fMask});
    return TRUE;
}

TestSettingsKey::TestSettingsKey(bool create)
{
    static LONG counter = 0;
    base_ = L"Software\\TrivaneTests\\cpl-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(InterlockedIncrement(&counter));
    key_ = base_ + L"\\Kelmora\\Trivane";
    if (create) {
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        RegCloseKey(key);
    }
}

TestSettingsKey::~TestSettingsKey()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, base_.c_str());
}

bool TestSettingsKey::Exists() const
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void TestSettingsKey::SetDword(const wchar_t* name, DWORD value) const
{
    SetRaw(name, REG_DWORD, &value, sizeof(value));
}

void TestSettingsKey::SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD bytes) const
{
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetKeyValueW(HKEY_CURRENT_USER, key_.c_str(), name, type, data, bytes));
}

DWORD TestSettingsKey::Read(const wchar_t* name, std::string* bytes) const
{
    bytes->assign(64, '\0');
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(bytes->size());
    if (RegGetValueW(HKEY_CURRENT_USER, key_.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                     bytes->data(), &size) != ERROR_SUCCESS) {
        bytes->clear();
        return REG_NONE;
    }
    bytes->resize(size);
    return type;
}

void PageFixture::SetUp()
{
    cpl::SetModule(GetModuleHandleW(nullptr));
    cpl::PageSettings().Root = HKEY_CURRENT_USER;
    cpl::PageSettings().Key = settings_.Key();
    SetWorld(&world_);
    g_changes.clear();
    host_ = CreateWindowExW(0, HostClass(), L"", WS_OVERLAPPEDWINDOW, 0, 0, 640, 560, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, host_);
}

void PageFixture::TearDown()
{
    ClosePage();
    DestroyWindow(host_);
    SetWorld(nullptr);
    cpl::PageSettings() = cpl::SettingsLocation();
}

HWND PageFixture::OpenPage()
{
    page_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CPL_PAGE), host_,
                               cpl::SettingsPageProc, 0);
    return page_;
}

void PageFixture::ClosePage()
{
    if (page_)
        DestroyWindow(page_);
    page_ = nullptr;
}

void PageFixture::Notify(UINT code)
{
    PSHNOTIFY notice{};
    notice.hdr.hwndFrom = host_;
    notice.hdr.code = code;
    SendMessageW(page_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice));
}

const std::vector<WPARAM>& PageFixture::Changes() const
{
    return g_changes;
}

bool HasVisibleStyle(HWND window)
{
    return window && (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}
