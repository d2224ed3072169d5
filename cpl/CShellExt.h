#pragma once
// The property-sheet extension: the Mouse settings dialog initializes it and
// asks it for pages; it adds the settings page.

#include <windows.h>

#include <shlobj.h>

namespace cpl {

class CShellExt final : public IShellExtInit, public IShellPropSheetExt {
public:
    CShellExt();
    ~CShellExt();
    CShellExt(const CShellExt&) = delete;
    CShellExt& operator=(const CShellExt&) = delete;

    // One count for both interfaces; the IShellPropSheetExt slots reach
    // these bodies through the compiler's adjusting thunks.
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // Holds the data object (the folder and key are not used).
    STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY progIdKey) override;

    // One settings page, which holds a reference until the sheet releases it.
    STDMETHODIMP AddPages(LPFNSVADDPROPSHEETPAGE addPage, LPARAM lParam) override;
    STDMETHODIMP ReplacePage(EXPPS pageId, LPFNSVADDPROPSHEETPAGE replaceWith,
                             LPARAM lParam) override;

private:
    ULONG refs_ = 0;
    IDataObject* data_ = nullptr;
};

// The page's callback: PSPCB_RELEASE gives back the reference the page holds.
UINT CALLBACK ExtensionPageCallback(HWND window, UINT message, PROPSHEETPAGEW* page);

}  // namespace cpl
