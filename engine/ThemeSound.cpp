#include "CTheme.h"
#include "EngineValues.h"
#include "EngineWorld.h"
#include "PlayableWave.h"
#include "TrackingStep.h"

void PlayThemeSound(int event)
{
    if (!CurrentTheme || event < 0 || event >= kMouseEventCount)
        return;
    CThemeSound* sound = CurrentTheme->GetSound(event);
    if (!sound || !sound->Data || sound->Size <= 0)
        return;
    if (!IsPlayableWave(sound->Data.get(), static_cast<size_t>(sound->Size)))
        return;
    World().PlaySoundW(reinterpret_cast<const wchar_t*>(sound->Data.get()), nullptr,
                       SND_ASYNC | SND_MEMORY);
}
