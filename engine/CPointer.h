#pragma once
// The drawn pointer: a layered, topmost, click-through toolkit object whose
// states are the current theme's cursor animations. Its window, of class
// "Pavolt", is also the engine's message endpoint.

#include "LMBlankState.h"
#include "LMObj.h"

#include <memory>

class CPointer : public LMObj {
public:
    CPointer();
    ~CPointer() override;

    // Registers the engine messages and the class, creates the engine window
    // and registers the hot key. Called by LMObj::Realize.
    int CreateWnd() override;

    // (Re)loads the current theme into the states and realizes the object;
    // without a loadable current theme the object stays without window.
    int LoadTheme();
    // The same for the theme file at path.
    int LoadThemeFrom(const wchar_t* path);
    // The drop shadow on the normal and left-pressed cursors of every role.
    int ApplyShadow();
    int ChangeStateByName(const wchar_t* name);

private:
    void RemoveAllStates();

    // The theme owns the cursor animations; the object owns only its blank state.
    std::unique_ptr<LMBlankState> blank_;
};

// The engine window's procedure.
LRESULT CALLBACK EngineWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the hot key from the "HotKey" setting; the RegisterHotKey result,
// 0 when the setting names no key.
BOOL RegisterEngineHotKey();
