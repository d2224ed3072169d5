#include "CLMTrail.h"

#include "SpriteLifetime.h"

CLMTrail::CLMTrail() : LMObj(LMObjLayered)
{
    // The state belongs to whoever gave it.
    StatesNotOwned = 1;
    Layer = kSpriteLayerTopmost;
}

int CLMTrail::OnStateDone(const wchar_t* name, int flags)
{
    ArmSpriteDeleteTimer(*this);
    return LMObj::OnStateDone(name, flags);
}

LRESULT CLMTrail::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_TIMER || wParam != kSpriteDeleteTimerId)
        return LMObj::WindowProc(window, message, wParam, lParam);
    HideSpriteWindow(window);
    // Destroys the window and its timer. From here on neither this object
    // nor its window is touched: the toolkit's dispatch only returns.
    delete this;
    return 0;
}
