#include "SoundPreview.h"

#include "CTheme.h"
#include "EngineWorld.h"
#include "PlayableWave.h"

namespace {

// The buffer the last PlaySoundPreview handed to the player; it may have
// finished since, which costs only a needless stop.
const void* g_playing = nullptr;

}  // namespace

int PlaySoundPreview(const CThemeSound* sound)
{
    if (!sound || !sound->Data || sound->Size <= 0 ||
        !IsPlayableWave(sound->Data.get(), static_cast<size_t>(sound->Size)))
        return 0;
    g_playing = sound->Data.get();
    World().PlaySoundW(reinterpret_cast<const wchar_t*>(sound->Data.get()), nullptr,
                       SND_ASYNC | SND_MEMORY);
    return 1;
}

void StopSoundPreview(const CThemeSound* sound)
{
    if (!sound || !sound->Data || sound->Data.get() != g_playing)
        return;
    World().PlaySoundW(nullptr, nullptr, 0);
    g_playing = nullptr;
}

void StopThemeSoundPreviews(const CTheme* theme)
{
    if (!theme)
        return;
    for (const auto& sound : theme->Sounds)
        StopSoundPreview(sound.get());
}
