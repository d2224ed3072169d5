// The run command's generator: draws the default theme and saves it into the
// Themes folder and as the current theme, so that the engine starts with it;
// adds an effect theme and a trail theme to the Themes folder and two short
// sounds to the Sounds folder, so that the control panel's pages show some.

#include "CTheme.h"
#include "DefaultTheme.h"
#include "SampleSounds.h"
#include "ThemeLocations.h"

#include <cstdio>
#include <string>

namespace {

bool SaveTheme(CTheme& theme, const std::wstring& path)
{
    if (theme.Save(path.c_str(), 1) != 1) {
        fwprintf(stderr, L"Could not write %ls\n", path.c_str());
        return false;
    }
    wprintf(L"Saved %ls\n", path.c_str());
    return true;
}

bool SaveSound(const std::string& bytes, const std::wstring& path)
{
    FILE* file = _wfopen(path.c_str(), L"wb");
    const bool written = file && fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = file && fclose(file) == 0;
    if (!written || !closed) {
        fwprintf(stderr, L"Could not write %ls\n", path.c_str());
        return false;
    }
    wprintf(L"Saved %ls\n", path.c_str());
    return true;
}

}  // namespace

int wmain()
{
    wchar_t themes[MAX_PATH] = {};
    wchar_t sounds[MAX_PATH] = {};
    wchar_t current[MAX_PATH] = {};
    GetThemesFolder(themes);
    GetSoundsFolder(sounds);
    GetCurrentThemePath(current);
    std::unique_ptr<CTheme> theme = MakeDefaultTheme();
    const std::wstring folder = themes;
    const bool saved = SaveTheme(*theme, folder + L"\\Default.Trivane") &&
                       SaveTheme(*theme, current) &&
                       SaveTheme(*MakeEffectTheme(), folder + L"\\Ripples.Trivane") &&
                       SaveTheme(*MakeTrailTheme(), folder + L"\\Dots.Trivane") &&
                       SaveSound(MakeToneWave(880, 60), std::wstring(sounds) + L"\\Click.wav") &&
                       SaveSound(MakeToneWave(440, 120), std::wstring(sounds) + L"\\Pop.wav");
    return saved ? 0 : 1;
}
