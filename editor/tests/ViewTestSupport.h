#pragma once
// The view of a document inside the test process, and what tests read of its
// windows and toolkit objects.

#include "CEditorMFCView.h"
#include "EditorTestSupport.h"

#include <vector>

class EditorViewTest : public EditorAppTest {
protected:
    // Starts the editor and lays its first view out for a 900 x 600 client.
    void StartView();
    CEditorMFCView* View(size_t document = 0) const;

    CEditorMFCView* view_ = nullptr;
};

// x, y (relative to the parent's client area), width and height.
std::vector<int> ChildRectOf(HWND window);
// The top-left and size of an object's visible rectangle.
std::vector<int> ObjectRect(const LMObj* object);
bool HasVisibleStyle(HWND window);
// The text of the object's current text state.
std::wstring ObjectText(const LMObj* object);
// The pane title of a grid as its text object shows it.
std::wstring PaneTitleOf(const CEditorMFCView& view, int grid);
