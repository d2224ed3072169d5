#pragma once
// DllRegisterServer and DllUnregisterServer: the engine's log-on start, the
// two theme file types and, on NT 6, the control-panel item with its task
// file. Every write and removal is attempted; the result names the first
// call that failed (HRESULT_FROM_WIN32), or S_OK.

#include <windows.h>

namespace cpl {

// Stops a running engine, removes the previous registration except what the
// installer and the user own, and writes the current one.
HRESULT RegisterServer();

// Stops a running engine and removes every key and value of the product.
HRESULT UnregisterServer();

}  // namespace cpl
