#include "PanelSounds.h"

#include "EngineWorld.h"
#include "PanelState.h"
#include "PlayableWave.h"

#include <string>

void PlayCurrentThemeSound(int event)
{
    if (!PanelCurrentTheme)
        return;
    const CThemeSound* sound = PanelCurrentTheme->GetSound(event);
    if (!sound || !sound->Data || sound->Size <= 0 ||
        !IsPlayableWave(sound->Data.get(), static_cast<size_t>(sound->Size)))
        return;
    World().PlaySoundW(reinterpret_cast<const wchar_t*>(sound->Data.get()), nullptr,
                       SND_ASYNC | SND_MEMORY);
}

void PlaySoundsFolderFile(const wchar_t* name)
{
    if (!name)
        return;
    const std::wstring path = std::wstring(PanelSoundsFolder) + L"\\" + name;
    World().PlaySoundW(path.c_str(), nullptr, SND_ASYNC);
}
