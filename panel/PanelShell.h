#pragma once
// The control panel program: its command line, the one running panel, the
// main dialog with its build, and the starts of other programs.

#include <windows.h>

#include <string>

constexpr wchar_t kPanelMutexName[] = L"TrivaneControlPanelMutex";
constexpr wchar_t kPanelDialogClass[] = L"#32770";
constexpr int kUiPanelTitle = 58;
constexpr int kPanelClientWidth = 776;
constexpr int kPanelClientHeight = 538;

// What the command line asks: the panel, or regsvr32 on the settings page.
enum class PanelCommand { Open, Install, Uninstall };

// The argument part of a whole command line (the program name skipped),
// blanks trimmed, compared without case with "/install" and "/uninstall".
PanelCommand ParsePanelCommand(const wchar_t* commandLine);

// regsvr32's parameters for trivanecpl.dll in that folder.
std::wstring RegistrationParameters(const std::wstring& programFolder, bool uninstall);

// The body of wWinMain: starts regsvr32 for "/install" or "/uninstall",
// else runs the panel; 1, or 0 when another panel was brought forward.
int PanelWinMain(HINSTANCE instance);

// Brings a running panel forward (0), or runs the dialog until it ends (1).
int RunControlPanel(HINSTANCE instance);

// The main dialog's procedure; WM_INITDIALOG builds the window.
INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Everything the dialog shows, its start rows and the folder watcher.
void BuildMainWindow();

// Opens a file or starts a program, shown normally; failures are ignored.
void LaunchFile(const wchar_t* path);
