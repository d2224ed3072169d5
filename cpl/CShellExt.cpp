#include "CShellExt.h"

#include "ActivationScope.h"
#include "CplModule.h"
#include "SheetTemplates.h"

namespace cpl {

CShellExt::CShellExt()
{
    AddObject();
}

CShellExt::~CShellExt()
{
    if (data_)
        data_->Release();
    ReleaseObject();
}

STDMETHODIMP CShellExt::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IShellExtInit)) {
        *ppv = static_cast<IShellExtInit*>(this);
    } else if (IsEqualIID(riid, IID_IShellPropSheetExt)) {
        *ppv = static_cast<IShellPropSheetExt*>(this);
    } else {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CShellExt::AddRef()
{
    return ++refs_;
}

STDMETHODIMP_(ULONG) CShellExt::Release()
{
    ULONG refs = --refs_;
    if (refs == 0)
        delete this;
    return refs;
}

STDMETHODIMP CShellExt::Initialize(PCIDLIST_ABSOLUTE, IDataObject* data, HKEY)
{
    if (data)
        data->AddRef();
    if (data_)
        data_->Release();
    data_ = data;
    return S_OK;
}

STDMETHODIMP CShellExt::AddPages(LPFNSVADDPROPSHEETPAGE addPage, LPARAM lParam)
{
    PROPSHEETPAGEW page =
        ExtensionPageTemplate(reinterpret_cast<LPARAM>(static_cast<IShellExtInit*>(this)));
    AddRef();  // the page's own reference
    HPROPSHEETPAGE handle = nullptr;
    {
        ActivationScope scope(Module());
        handle = CreatePropertySheetPageW(&page);
    }
    if (!handle) {
        // No page, so no callback will ever give the reference back.
        Release();
        return S_OK;
    }
    if (!addPage || !addPage(handle, lParam))
        DestroyPropertySheetPage(handle);  // its PSPCB_RELEASE releases us
    return S_OK;
}

STDMETHODIMP CShellExt::ReplacePage(EXPPS, LPFNSVADDPROPSHEETPAGE, LPARAM)
{
    return E_FAIL;
}

UINT CALLBACK ExtensionPageCallback(HWND, UINT message, PROPSHEETPAGEW* page)
{
    if (message == PSPCB_RELEASE && page && page->lParam)
        reinterpret_cast<IShellExtInit*>(page->lParam)->Release();
    return 1;
}

}  // namespace cpl
