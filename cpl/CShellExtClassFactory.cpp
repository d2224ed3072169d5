#include "CShellExtClassFactory.h"

#include "CShellExt.h"
#include "ComObjects.h"
#include "CplGuids.h"
#include "CplModule.h"

namespace cpl {

CShellExtClassFactory::CShellExtClassFactory()
{
    AddObject();
}

CShellExtClassFactory::~CShellExtClassFactory()
{
    ReleaseObject();
}

STDMETHODIMP CShellExtClassFactory::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
        *ppv = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CShellExtClassFactory::AddRef()
{
    return ++refs_;
}

STDMETHODIMP_(ULONG) CShellExtClassFactory::Release()
{
    ULONG refs = --refs_;
    if (refs == 0)
        delete this;
    return refs;
}

STDMETHODIMP CShellExtClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    return MakeAndQuery<CShellExt>(riid, ppv);
}

STDMETHODIMP CShellExtClassFactory::LockServer(BOOL)
{
    return S_OK;
}

HRESULT GetClassObject(REFCLSID rclsid, REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (!IsEqualCLSID(rclsid, CLSID_TrivaneShellExt))
        return CLASS_E_CLASSNOTAVAILABLE;
    return MakeAndQuery<CShellExtClassFactory>(riid, ppv);
}

}  // namespace cpl
