#pragma once
// The view of a document inside the test process, and what tests read of its
// windows and toolkit objects.

#include "CEditorMFCView.h"
#include "EditorTestSupport.h"
#include "EngineWorld.h"

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

// Finds the engine window it is given and logs posts, starts and sounds as
// "post <window> <message> <wParam> <lParam>", "start <file> <mask> <show>
// <verb> <parameters> <folder>" (absent texts as "-"), "play <sound>
// <flags>", and "stop held" or "stop" by whether Holds still held the sound
// that played last. The rest of the world is real.
class EditorWorld : public EngineWorld {
public:
    HWND EngineWindow = nullptr;
    Texts Log;
    std::function<bool(const void*)> Holds;

    HWND FindWindowW(const wchar_t* name, const wchar_t*) override
    {
        return std::wstring(name) == L"Pavolt" ? EngineWindow : nullptr;
    }
    BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL ShellExecuteExW(SHELLEXECUTEINFOW* info) override;
    BOOL PlaySoundW(const wchar_t* sound, HMODULE module, DWORD flags) override;

private:
    const void* last_ = nullptr;
};

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

    EditorWorld world_;
    std::wstring Answer;
    Texts Filters;
    EngineWorld* previous_ = nullptr;
};
