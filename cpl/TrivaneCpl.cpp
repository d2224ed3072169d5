// TrivaneCpl.dll: the entry point and the five exports, each a thin call
// into the library's core.

#include "CShellExtClassFactory.h"
#include "CplModule.h"
#include "Registration.h"
#include "StandAloneSheet.h"

#include <windows.h>

#include <objbase.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        cpl::SetModule(instance);
    return TRUE;
}

STDAPI DllCanUnloadNow()
{
    return cpl::ObjectCount() == 0 ? S_OK : S_FALSE;
}

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv)
{
    return cpl::GetClassObject(rclsid, riid, ppv);
}

STDAPI DllRegisterServer()
{
    return cpl::RegisterServer();
}

STDAPI DllUnregisterServer()
{
    return cpl::UnregisterServer();
}

extern "C" BOOL WINAPI StandAloneCPL(HWND* sheet)
{
    return cpl::ShowStandAloneSheet(sheet);
}
