#pragma once
// Starting a program the way every Trivane program does: through the
// engine's world, so tests see what would start.

#include <windows.h>

#include <string>

// ShellExecuteExW of a program (shown normally, no environment strings
// expanded) with its folder, parameters and owner window, each may be null.
BOOL RunProgram(const wchar_t* file, const wchar_t* directory, const wchar_t* parameters,
                HWND owner = nullptr);

// The folder of the module's file (the program's for a null module); empty
// when that path does not fit MAX_PATH.
std::wstring ModuleFolder(HMODULE module);

// "<folder of the module>\Trivane.exe", the program's own folder for a null
// module; empty when that does not fit a path.
std::wstring EngineProgramBeside(HMODULE module);
