#pragma once
// The procedures of the view's dialogs. Page and pane dialogs find their view
// through the window property "classptr" and ignore every message while it
// is absent. Each returns FALSE for every message.

#include <windows.h>

class CEditorMFCDoc;
class CEditorMFCView;

// The document whose texts the "Theme properties" dialog edits.
extern CEditorMFCDoc* PropertiesDocument;

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

// "Theme properties" (dialog 132): fills its boxes from the properties
// document's texts and stores them back on OK and on Cancel alike.
INT_PTR CALLBACK EditorThemePropertiesDlgProc(HWND dialog, UINT message, WPARAM wParam,
                                              LPARAM lParam);
