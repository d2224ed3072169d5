#pragma once
// The procedures of the view's dialogs. Page and pane dialogs find their view
// through the window property "classptr" and ignore every message while it
// is absent. Each returns FALSE for every message.

#include <windows.h>

class CEditorMFCView;

// The view of a page or pane dialog, or null.
CEditorMFCView* ViewOfDialog(HWND dialog);

INT_PTR CALLBACK TabHostDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK BlankDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

INT_PTR CALLBACK CursorsPageDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK EffectsPageDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK TrailsPageDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SoundsPageDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

INT_PTR CALLBACK CursorPaneDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK EffectPaneDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK TrailPaneDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
