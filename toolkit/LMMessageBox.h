#pragma once
// Every modal message box of the system goes through here, so tests can record
// boxes instead of blocking on them.

#include <windows.h>

#include <functional>

using LMMessageBoxHandler =
    std::function<int(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)>;

// A box without an owner gets the default owner, when one is set.
int LMMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// Returns the previous handler; an empty handler restores MessageBoxW.
LMMessageBoxHandler LMSetMessageBoxHandler(LMMessageBoxHandler handler);

// The window that owns the boxes raised deep inside a load, where no window
// is known: the program's main window, so that the box is modal to it and
// the window cannot close under the load. Null: no owner.
void LMSetDefaultBoxOwner(HWND owner);

// A box about a file that could not be read. While an LMQuietErrors scope
// lives on this thread it is not shown but counted (0 is returned).
int LMErrorBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// A box that only informs about a file that was read (it uses features this
// version does not support): held back, and not counted, in such a scope.
int LMNoticeBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// Holds back the error boxes of the loads it encloses, so that a caller
// reading many files can say once what failed.
class LMQuietErrors {
public:
    LMQuietErrors();
    ~LMQuietErrors();
    LMQuietErrors(const LMQuietErrors&) = delete;
    LMQuietErrors& operator=(const LMQuietErrors&) = delete;

    // The boxes held back while this scope was the innermost one.
    int Count() const { return count_; }

private:
    friend int LMErrorBox(HWND, const wchar_t*, const wchar_t*, UINT);
    LMQuietErrors* outer_;
    int count_ = 0;
};
