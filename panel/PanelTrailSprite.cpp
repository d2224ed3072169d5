#include "PanelTrailSprite.h"

#include "EngineWorld.h"
#include "FactorySupport.h"
#include "LibraryRows.h"
#include "PanelState.h"

#include <memory>

namespace {

// The trail a sprite copies; null when the theme has none with pixels in
// the slots sprites use.
const CThemeTrail* SpriteTrail(const CTheme& theme)
{
    for (int slot : {0, 2}) {
        const CThemeTrail* trail = theme.GetTrail(slot);
        if (HasPicture(trail) && trail->Animation->Bitmap->HasPixels())
            return trail;
    }
    return nullptr;
}

const CTheme* SpriteSource()
{
    if (Library.LoadedTrailTheme)
        return Library.LoadedTrailTheme.get();
    return PanelCurrentTheme.get();
}

// Shares the trail's pixels: a deep copy per sprite would soon exhaust a
// 32-bit panel with a large strip at a high rate. The copy plays once, and
// a single frame still shows for one frame time, so every sprite reports
// its end and goes.
std::unique_ptr<LMBitmapState> SpriteState(const LMBitmapState& animation)
{
    auto state = std::make_unique<LMBitmapState>(animation.Name.c_str(), animation, false);
    state->FrameFlags &= ~LMFrameLoop;
    state->Animated = 1;
    return state;
}

}  // namespace

CLMTrail::CLMTrail() : LMObj(LMObjWindowless)
{
}

CLMTrail::~CLMTrail() = default;

int CLMTrail::OnStateDone(const wchar_t* name, int flags)
{
    if (!noticePosted_) {
        noticePosted_ = true;
        // Without a dialog to delete it, the sprite stays in the tree, out
        // of sight, until its area goes.
        if (!PanelDialog || !World().PostMessageW(PanelDialog, WM_NULL, DeferredDeleteNotice,
                                                  reinterpret_cast<LPARAM>(this)))
            Hide();
    }
    return LMObj::OnStateDone(name, flags);
}

int SpawnTrailSprite(int x, int y)
{
    const CTheme* source = SpriteSource();
    const CThemeTrail* trail = source ? SpriteTrail(*source) : nullptr;
    if (!trail || !Library.TrailPreviewArea)
        return 0;
    OwnedObject<CLMTrail> sprite(new CLMTrail);
    sprite->AddState(SpriteState(*trail->Animation).release(), 1);
    return PlaceObject(std::move(sprite), Library.TrailPreviewArea, x, y, true) ? 1 : 0;
}

int DeleteTrailSprite(LPARAM lParam)
{
    auto* object = reinterpret_cast<LMObj*>(lParam);
    if (!IsValidLMObj(object))
        return 0;
    auto* sprite = dynamic_cast<CLMTrail*>(object);
    if (!sprite)
        return 0;
    delete sprite;
    return 1;
}
