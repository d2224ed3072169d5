// What the bar's buttons do.

#include "SettingsPage.h"

#include "CThemePane.h"
#include "LMMessageBox.h"
#include "PageLaunch.h"
#include "ProductCaption.h"

#include <commctrl.h>
#include <prsht.h>

#include <cwchar>
#include <vector>

namespace cpl {

const wchar_t kThemeLibraryAddress[] = L"https://www.kelmora.com/trivane/themes/";

namespace {

constexpr wchar_t kPropertiesFormat[] = L"Theme name: %ls\rPath: %ls\rFormat: Version %ls";
constexpr wchar_t kContainerExtension[] = L".Trivane";

void ShowButton(int32_t id, bool show)
{
    if (CQVObj* button = PageState.Buttons[id]) {
        if (show)
            button->Show();
        else
            button->Hide();
    }
}

void ShowOptions(bool options)
{
    ShowWindow(PageState.ThemePaneWindow, options ? SW_HIDE : SW_SHOW);
    ShowWindow(PageState.OptionsHost, options ? SW_SHOW : SW_HIDE);
    ShowButton(kBarOptions, !options);
    ShowButton(kBarThemes, options);
}

void SetGreyed(bool greyed)
{
    PageState.Greyed = greyed ? 1 : 0;
    ShowButton(kBarDisable, !greyed);
    ShowButton(kBarEnable, greyed);
    NotifyPageChanged();
    ThemePane.SetPreviewEnabled(greyed ? 0 : 1);
}

void ShowProperties()
{
    const ThemeListEntry& chosen = ThemePane.ChosenTheme;
    std::wstring name(chosen.Title, wcsnlen(chosen.Title, kThemeListTitleChars));
    std::wstring path(ThemePane.ChosenPath, wcsnlen(ThemePane.ChosenPath, MAX_PATH));
    std::wstring text = PropertiesText(name.c_str(), path.c_str());
    if (!text.empty())
        LMMessageBox(PageState.Page, text.c_str(), kProductCaption, MB_ICONINFORMATION);
}

}  // namespace

std::wstring PropertiesText(const wchar_t* name, const wchar_t* path)
{
    size_t extension = wcslen(kContainerExtension);
    size_t length = path ? wcslen(path) : 0;
    if (!name || length <= extension)
        return {};
    bool container = _wcsicmp(path + length - extension, kContainerExtension) == 0;
    const wchar_t* version = container ? L"2" : L"1";
    std::vector<wchar_t> text(wcslen(kPropertiesFormat) + wcslen(name) + length + 2);
    swprintf(text.data(), text.size(), kPropertiesFormat, name, path, version);
    return text.data();
}

void RunBarCommand(int32_t id)
{
    switch (id) {
    case kBarMoreThemes:
        LaunchFromPage(PageState.Page, kThemeLibraryAddress);
        break;
    case kBarProperties:
        ShowProperties();
        break;
    case kBarOptions:
    case kBarThemes:
        ShowOptions(id == kBarOptions);
        break;
    case kBarDisable:
    case kBarEnable:
        SetGreyed(id == kBarDisable);
        break;
    default:
        break;
    }
}

}  // namespace cpl
