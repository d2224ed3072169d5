// Dialog 132: a library theme's texts, read-only. The labels are the
// template's own English ones.

#include "SmallDialogs.h"

#include "LibraryEntry.h"
#include "PanelResources.h"
#include "PanelState.h"

namespace {

void ShowEntryTexts(HWND window, const LibraryEntry& entry)
{
    SetDlgItemTextW(window, IDC_PROPERTIES_NAME, entry.DisplayName);
    SetDlgItemTextW(window, IDC_PROPERTIES_AUTHOR, entry.Author);
    SetDlgItemTextW(window, IDC_PROPERTIES_VERSION, entry.Version);
    SetDlgItemTextW(window, IDC_PROPERTIES_WEBSITE, entry.Website);
    SetDlgItemTextW(window, IDC_PROPERTIES_EMAIL, entry.Email);
    // The description is not bounded by the entry; its edit takes any length.
    SendDlgItemMessageW(window, IDC_PROPERTIES_DESCRIPTION, EM_SETLIMITTEXT, 0, 0);
    SetDlgItemTextW(window, IDC_PROPERTIES_DESCRIPTION,
                    entry.Description ? entry.Description.get() : L"");
}

}  // namespace

INT_PTR CALLBACK PanelThemePropertiesDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        ShowEntryTexts(window, Library.Properties);
    } else if (message == WM_COMMAND) {
        const WORD command = LOWORD(wParam);
        if (command == IDOK || command == IDCANCEL)
            EndDialog(window, 1);
    }
    return 0;
}

INT_PTR ShowThemeProperties(HWND owner, const LibraryEntry& entry)
{
    CopyLibraryEntry(entry, &Library.Properties);
    return DialogBoxParamW(PanelResourceModule(), MAKEINTRESOURCEW(IDD_PANEL_THEME_PROPERTIES),
                           owner, PanelThemePropertiesDlgProc, 0);
}
