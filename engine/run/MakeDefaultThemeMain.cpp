// The run command's generator: draws the default theme and saves it into the
// Themes folder and as the current theme, so that the engine starts with it;
// adds an effect theme and a trail theme to the Themes folder and two short
// sounds to the Sounds folder, so that the control panel's pages show some.
// The package's Samples folder is made by the same drawing.

#include "CTheme.h"
#include "DefaultTheme.h"
#include "SampleSounds.h"
#include "ThemeLocations.h"

#include <cstdio>
#include <cwchar>
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

// The sample themes and sounds into themes and sounds; the default theme
// also as current when a path is given.
bool SaveSamples(const std::wstring& themes, const std::wstring& sounds, const wchar_t* current)
{
    std::unique_ptr<CTheme> theme = MakeDefaultTheme();
    return SaveTheme(*theme, themes + L"\\Default.Trivane") &&
           (!current || SaveTheme(*theme, current)) &&
           SaveTheme(*MakeEffectTheme(), themes + L"\\Ripples.Trivane") &&
           SaveTheme(*MakeTrailTheme(), themes + L"\\Dots.Trivane") &&
           SaveSound(MakeToneWave(880, 60), sounds + L"\\Click.wav") &&
           SaveSound(MakeToneWave(440, 120), sounds + L"\\Pop.wav");
}

}  // namespace

// With "samples FOLDER", writes the samples into that folder only (the
// package's Samples folder).
int wmain(int argc, wchar_t** argv)
{
    if (argc == 3 && wcscmp(argv[1], L"samples") == 0)
        return SaveSamples(argv[2], argv[2], nullptr) ? 0 : 1;
    if (argc != 1) {
        fwprintf(stderr, L"Usage: trivane_default_theme [samples FOLDER]\n");
        return 1;
    }
    wchar_t themes[MAX_PATH] = {};
    wchar_t sounds[MAX_PATH] = {};
    wchar_t current[MAX_PATH] = {};
    GetThemesFolder(themes);
    GetSoundsFolder(sounds);
    GetCurrentThemePath(current);
    return SaveSamples(themes, sounds, current) ? 0 : 1;
}
