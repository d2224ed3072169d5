#pragma once
// The page's first pane (dialog 106): the strip of installed themes over the
// preview of the theme chosen in it. The strip and preview come with the
// pane's own build; here are its window, its chosen theme and the handlers
// the page's routing calls.

#include "OwnedObjects.h"
#include "ThemeLists.h"

#include <windows.h>

namespace cpl {

class CQVObj;

class CThemePane {
public:
    void Create(HWND paneWindow);
    // Deletes the pane's objects with the page that showed them.
    void Destroy();
    void Save();
    void Cancel();
    // Opacity of the preview cells: 255 enabled, 128 greyed.
    void SetPreviewEnabled(int enabled);

    void OnLButtonUp(CQVObj& object, int x, int y, int dragged);
    void OnLButtonDown(CQVObj& object, int x, int y);
    void OnRButtonUp(CQVObj& object, int x, int y, int dragged);
    void OnMouseMove(CQVObj& object, int x, int y);
    void OnDoubleClick(CQVObj& object, int x, int y);

    HWND Window = nullptr;
    // The theme last chosen in the strip: its record and its path (empty
    // until one is chosen). It lives for the process.
    ThemeListEntry ChosenTheme{};
    wchar_t ChosenPath[MAX_PATH] = {};

private:
    OwnedObjects objects_;
};

// The library's one theme pane.
extern CThemePane ThemePane;

// Dialog procedure of dialog 106.
INT_PTR CALLBACK ThemePaneScrollProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace cpl
