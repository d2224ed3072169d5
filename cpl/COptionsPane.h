#pragma once
// The page's second pane (options host, dialog 104): opacity, shadow and
// colour settings with a live preview. The tabs and sliders come with the
// pane's own build; here are its window and the handlers the page's routing
// calls.

#include "OwnedObjects.h"

#include <windows.h>

namespace cpl {

class CQVObj;

class COptionsPane {
public:
    void Create(HWND host);
    // Deletes the pane's objects with the page that showed them.
    void Destroy();
    // Stores the pane's settings (from the page's Apply).
    void Save();
    void Cancel();

    void OnLButtonUp(CQVObj& object, int x, int y, int dragged);
    void OnRButtonUp(CQVObj& object, int x, int y, int dragged);
    void OnDrag(CQVObj& object, int x, int y, int newX, int newY);
    void OnDragEnd(CQVObj& object);

    HWND Host = nullptr;

private:
    OwnedObjects objects_;
};

// The library's one options pane.
extern COptionsPane OptionsPane;

}  // namespace cpl
