#include "SheetTemplates.h"

#include "CShellExt.h"
#include "CplModule.h"
#include "CplResources.h"
#include "ProductCaption.h"
#include "SettingsPage.h"

namespace cpl {

namespace {

// The fields both pages share; the callback and counter are filled for the
// stand-alone page too, though its flags leave them unused.
PROPSHEETPAGEW CommonPage(DWORD flags, LPARAM pageParam)
{
    PROPSHEETPAGEW page{};
    page.dwSize = kPageTemplateBytes;
    page.dwFlags = flags;
    page.hInstance = Module();
    page.pszTemplate = MAKEINTRESOURCEW(IDD_CPL_PAGE);
    page.pszTitle = kProductCaption;
    page.pfnDlgProc = SettingsPageProc;
    page.lParam = pageParam;
    page.pfnCallback = ExtensionPageCallback;
    page.pcRefParent = ObjectCounter();
    return page;
}

}  // namespace

PROPSHEETPAGEW ExtensionPageTemplate(LPARAM pageParam)
{
    return CommonPage(PSP_USETITLE | PSP_USEREFPARENT | PSP_USECALLBACK, pageParam);
}

PROPSHEETPAGEW StandAlonePageTemplate()
{
    return CommonPage(PSP_USETITLE, 0);
}

PROPSHEETHEADERW StandAloneSheetHeader(const PROPSHEETPAGEW* page)
{
    PROPSHEETHEADERW header{};
    header.dwSize = kSheetHeaderBytes;
    header.dwFlags = PSH_MODELESS | PSH_PROPSHEETPAGE;
    header.hwndParent = nullptr;
    header.hInstance = Module();
    header.pszCaption = kSheetCaption;
    header.nPages = 1;
    header.nStartPage = 0;
    header.ppsp = page;
    return header;
}

}  // namespace cpl
