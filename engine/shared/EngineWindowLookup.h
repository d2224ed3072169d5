#pragma once
// Finding the engine the programs talk to.

#include <windows.h>

// The engine window of the session (class "Pavolt"), or null.
HWND FindEngineWindow();
