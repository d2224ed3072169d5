#pragma once
// Helpers the settings page shares with the engine.

#include <windows.h>

// The engine window of the session (class "Pavolt"), or null.
HWND FindEngineWindow();

// Stores a REG_SZ value of 2 x (characters + 1) bytes in an existing key;
// returns the status of the call that failed, or ERROR_SUCCESS.
LSTATUS WriteRegString(const wchar_t* text, HKEY root, const wchar_t* subkey, const wchar_t* name);
