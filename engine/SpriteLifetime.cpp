#include "SpriteLifetime.h"

#include "EngineWorld.h"

namespace {

// The frame interval a visual state starts with.
constexpr int32_t kDefaultFrameInterval = 50;

}  // namespace

UINT SpriteLingerMs(const LMObj& sprite)
{
    const LMVisualState* state = sprite.CurrentState;
    int32_t delay = kDefaultFrameInterval;
    if (state)
        delay = state->HasScript() ? state->ScriptDelay : state->FrameInterval;
    // A theme's zero or negative interval must not keep the sprite for ever.
    return delay > 0 ? static_cast<UINT>(delay) : 1u;
}

CLMSprite::CLMSprite() : LMObj(LMObjLayered)
{
    // The state belongs to whoever gave it.
    StatesNotOwned = 1;
    Layer = kSpriteLayerTopmost;
}

int CLMSprite::OnStateDone(const wchar_t* name, int flags)
{
    if (Window)
        World().SetTimer(Window, kSpriteDeleteTimerId, SpriteLingerMs(*this), nullptr);
    return LMObj::OnStateDone(name, flags);
}

LRESULT CLMSprite::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_TIMER || wParam != kSpriteDeleteTimerId)
        return LMObj::WindowProc(window, message, wParam, lParam);
    World().ShowWindow(window, SW_HIDE);
    // Destroys the window and its timer. From here on neither this object
    // nor its window is touched: the toolkit's dispatch only returns.
    delete this;
    return 0;
}
