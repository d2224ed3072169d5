#include "CplTestSupport.h"

#include "CTheme.h"
#include "CThemePane.h"
#include "CplModule.h"
#include "CplResources.h"
#include "SettingsPage.h"

#include <commctrl.h>
#include <prsht.h>

#include <cwchar>

std::vector<WPARAM> SheetChanges;

namespace {

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == PSM_CHANGED)
        SheetChanges.push_back(wParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

TestSettingsKey::TestSettingsKey(bool create)
{
    static LONG counter = 0;
    base_ = L"Software\\TrivaneTests\\cpl-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(InterlockedIncrement(&counter));
    key_ = base_ + L"\\Kelmora\\Trivane";
    HKEY key = nullptr;
    if (create && RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_READ, nullptr,
                                  &key, nullptr) == ERROR_SUCCESS)
        RegCloseKey(key);
}

TestSettingsKey::~TestSettingsKey()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, base_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, base_.c_str());
}

bool TestSettingsKey::Exists() const
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void TestSettingsKey::Set(const wchar_t* name, DWORD type, const std::string& bytes) const
{
    RegDeleteKeyValueW(HKEY_CURRENT_USER, key_.c_str(), name);
    if (type != REG_NONE)
        RegSetKeyValueW(HKEY_CURRENT_USER, key_.c_str(), name, type, bytes.data(),
                        static_cast<DWORD>(bytes.size()));
}

DWORD TestSettingsKey::Read(const wchar_t* name, std::string* bytes) const
{
    bytes->assign(64, '\0');
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(bytes->size());
    if (RegGetValueW(HKEY_CURRENT_USER, key_.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                     bytes->data(), &size) != ERROR_SUCCESS)
        size = 0;
    bytes->resize(size);
    return size ? type : REG_NONE;
}

void PageFixture::SetUp()
{
    cpl::SetModule(GetModuleHandleW(nullptr));
    cpl::PageSettings().Key = settings_.Key();
    cpl::ThemePane.ThemesFolder = themes_.Path();
    SheetChanges.clear();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = HostProc;
    windowClass.lpszClassName = L"TrivaneCplTestSheet";
    RegisterClassW(&windowClass);
    host_ = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 640, 560,
                            nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, host_);
}

void PageFixture::TearDown()
{
    ClosePage();
    DestroyWindow(host_);
    cpl::PageSettings() = cpl::SettingsLocation();
    cpl::ThemePane.ThemesFolder.clear();
    cpl::ThemePane.PopupMenu = nullptr;
    cpl::ThemePane.ChosenTheme = ThemeListEntry{};
    cpl::ThemePane.ChosenPath[0] = L'\0';
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

void PageFixture::Apply()
{
    PSHNOTIFY notice{};
    notice.hdr.hwndFrom = host_;
    notice.hdr.code = PSN_APPLY;
    SendMessageW(page_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice));
}

bool HasVisibleStyle(HWND window)
{
    return window && (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::string Dword(int32_t value)
{
    return std::string(reinterpret_cast<const char*>(&value), sizeof(value));
}

std::wstring StateName(const LMObj* object)
{
    return object && object->CurrentState ? object->CurrentState->Name : L"";
}

bool WriteCursorTheme(const std::wstring& path, const std::vector<TestCursor>& cursors)
{
    CTheme theme;
    for (const TestCursor& spec : cursors) {
        auto bitmap = std::make_unique<LMBitmap>(spec.Width, spec.Height, LMBitmapHasAlpha);
        for (int y = 0; y < spec.Height; ++y) {
            for (int x = 0; x < spec.Width; ++x)
                *bitmap->PixelAt(x, y) = 0xFF3366CC;
        }
        auto cursor = std::make_unique<CThemeCursor>();
        cursor->Role = spec.Role;
        cursor->State = spec.State;
        cursor->Group = kThemeCursorGroup;
        std::wstring name = std::to_wstring(spec.Role) + L"-" + std::to_wstring(spec.State);
        cursor->SetUpAnimation(std::move(bitmap), name.c_str(), LMFrameInterruptible, false);
        theme.AddCursor(std::move(cursor));
    }
    return theme.Save(path.c_str(), 0) == 1;
}
