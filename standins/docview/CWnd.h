#pragma once
// The window base of the layer: one registered class, the object bound to its
// window from the first message on, and a window procedure that dispatches to
// virtual members.

#include "CCmdTarget.h"

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    // A window that still exists is destroyed without reaching this object.
    ~CWnd() override;

    HWND GetSafeHwnd() const { return hwnd_; }
    // The layer's object of a window, or null for windows the layer did not make.
    static CWnd* FromHandle(HWND window);
    // The class every layer window is made with.
    static const wchar_t* LayerClassName();

    // Called before creation; the default fills in the layer's class.
    virtual BOOL PreCreateWindow(CREATESTRUCTW& cs);
    BOOL DestroyWindow();
    // Through the replaceable box function, owned by this window.
    int MessageBox(const wchar_t* text, const wchar_t* caption, UINT type);

protected:
    // Creates the window of a CREATESTRUCT that PreCreateWindow has seen.
    bool CreateFromStruct(const CREATESTRUCTW& cs);
    // The next layer window this thread creates belongs to this object (for
    // windows made by another window's code, as MDI children are).
    void ExpectWindow();
    void CancelExpectedWindow();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // What a message gets when no member handles it.
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // -1 fails the creation.
    virtual int OnCreate(CREATESTRUCTW* cs);
    virtual void OnSize(UINT type, int cx, int cy);
    // WM_COMMAND with its code (0 for menus and accelerators); true when handled.
    virtual bool OnCommand(UINT id, UINT code);
    // After the last message: the handle is null again. The object may delete
    // itself here and must not be touched afterwards.
    virtual void PostNcDestroy();

private:
    static LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static CWnd* Bind(HWND window);

    HWND hwnd_ = nullptr;
};
