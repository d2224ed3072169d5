#pragma once
// The engine program's whole run, in the world that is in place.

#include <windows.h>

// Forwards a theme-file argument, or starts the one engine of the session
// and runs until it is stopped; the program's exit code.
int EngineMain(HINSTANCE instance);
