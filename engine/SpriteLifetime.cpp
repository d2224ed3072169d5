#include "SpriteLifetime.h"

#include "EngineWorld.h"
#include "LMObj.h"

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

int ArmSpriteDeleteTimer(const LMObj& sprite)
{
    if (!sprite.Window)
        return 0;
    return World().SetTimer(sprite.Window, kSpriteDeleteTimerId, SpriteLingerMs(sprite), nullptr)
               ? 1
               : 0;
}

void HideSpriteWindow(HWND window)
{
    World().ShowWindow(window, SW_HIDE);
}
