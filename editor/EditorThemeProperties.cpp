// "Theme properties": the six texts of the view's theme in a modal dialog.

#include "CEditorMFCDoc.h"
#include "CEditorMFCView.h"
#include "CMDIFrameWnd.h"
#include "CWinApp.h"
#include "EditorDialogs.h"
#include "EditorIds.h"
#include "EditorObjects.h"

CEditorMFCDoc* PropertiesDocument = nullptr;

namespace {

struct TextBox {
    UINT Id;
    HeapText CTheme::*Text;
};

const TextBox kTextBoxes[] = {
    {kIdThemeNameBox, &CTheme::Name},       {kIdThemeAuthorBox, &CTheme::Author},
    {kIdThemeVersionBox, &CTheme::Version}, {kIdThemeWebsiteBox, &CTheme::Website},
    {kIdThemeEmailBox, &CTheme::Email},     {kIdThemeDescriptionBox, &CTheme::Description},
};

CTheme* PropertiesTheme()
{
    return PropertiesDocument ? PropertiesDocument->Theme.get() : nullptr;
}

}  // namespace

void CEditorMFCView::OnThemeProperties()
{
    PropertiesDocument = GetDocument();
    CWinApp* app = DocViewApp();
    HWND owner = app && app->MainFrame() ? app->MainFrame()->GetSafeHwnd() : nullptr;
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIdThemePropertiesDialog), owner,
                    EditorThemePropertiesDlgProc, 0);
    // The document may close later; nothing should name it then.
    PropertiesDocument = nullptr;
}

INT_PTR CALLBACK EditorThemePropertiesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    CTheme* theme = PropertiesTheme();
    if (message == WM_INITDIALOG) {
        for (const TextBox& box : kTextBoxes) {
            if (theme && (theme->*box.Text))
                SetDlgItemTextW(dialog, static_cast<int>(box.Id), (theme->*box.Text).get());
        }
        SetFocus(GetDlgItem(dialog, kIdThemeNameBox));
        return FALSE;
    }
    // Cancel, and the close box with it, keeps the edits as OK does.
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        for (const TextBox& box : kTextBoxes) {
            if (theme)
                GetDlgItemTextAlloc(&(theme->*box.Text), dialog, static_cast<int>(box.Id));
        }
        EndDialog(dialog, LOWORD(wParam));
    }
    return FALSE;
}
