#pragma once
// The class factory of the library's one class, the property-sheet extension.

#include <windows.h>

#include <objbase.h>

namespace cpl {

class CShellExtClassFactory final : public IClassFactory {
public:
    CShellExtClassFactory();
    ~CShellExtClassFactory();
    CShellExtClassFactory(const CShellExtClassFactory&) = delete;
    CShellExtClassFactory& operator=(const CShellExtClassFactory&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override;
    // Locks are not counted: pages and objects keep the library loaded.
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    ULONG refs_ = 0;
};

// The server's entry: a factory for the extension's class.
HRESULT GetClassObject(REFCLSID rclsid, REFIID riid, void** ppv);

}  // namespace cpl
