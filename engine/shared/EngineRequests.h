#pragma once
// What the panel, the settings page and the editor ask of the engine: the
// running engine is told with one of its registered messages, or, when none
// runs, the engine beside a module is started.

#include <windows.h>

// Posts message (0: none is registered, the engine is not told) to the
// running engine's window; else, when startWhenNone, starts "Trivane.exe"
// from the folder of module (the program's own for null) with that owner
// window. A failed start is not reported.
void TellEngineOrStart(UINT message, HMODULE module, HWND owner, bool startWhenNone = true);
