#include "StandAloneSheet.h"

#include "ActivationScope.h"
#include "CplModule.h"
#include "ProductCaption.h"
#include "SettingsPage.h"
#include "SheetTemplates.h"

namespace cpl {

BOOL ShowStandAloneSheet(HWND* sheet)
{
    if (!sheet)
        return FALSE;
    *sheet = nullptr;
    if (HWND page = LivePageWindow()) {
        SetForegroundWindow(GetAncestor(page, GA_ROOT));
        return FALSE;
    }
    PROPSHEETPAGEW page = StandAlonePageTemplate();
    PROPSHEETHEADERW header = StandAloneSheetHeader(&page);
    INT_PTR result = 0;
    {
        ActivationScope scope(Module());
        result = PropertySheetW(&header);
    }
    if (result == 0 || result == -1)
        return FALSE;
    HWND window = reinterpret_cast<HWND>(result);
    *sheet = window;
    SetWindowTextW(window, kProductCaption);
    SendMessageW(window, PSM_RECALCPAGESIZES, 0, 0);
    SendMessageW(window, PSM_SETCURSEL, 0, 0);
    return TRUE;
}

}  // namespace cpl
