#pragma once
// The view of a document inside the test process, and what tests read of its
// windows and toolkit objects.

#include "CEditorMFCView.h"
#include "EditorTestSupport.h"
#include "RecordingWorld.h"

#include <functional>
#include <vector>

using Ints = std::vector<int>;
using Texts = std::vector<std::wstring>;

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
// The texts of a dialog's controls.
Texts BoxTexts(HWND dialog, const Ints& ids);

// printf into a wide string of up to 511 characters.
std::wstring Format(const wchar_t* format, ...);

// A started view with the recording world in place; open dialogs are
// answered with Answer (cancelled while empty), their filters kept as
// "name|pattern".
class EditorPaneTest : public EditorViewTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A control's notification sent to its dialog.
    static void Notify(HWND dialog, int id, int code = BN_CLICKED);
    // Whether the page's edit timer ran; it is stopped.
    static bool StopTimer(HWND page) { return KillTimer(page, kPageTimerId) != FALSE; }

    RecordingWorld world_;
    std::wstring Answer;
    Texts Filters;
};
