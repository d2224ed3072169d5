// The run command's generator: draws the default theme and saves it into the
// Themes folder and as the current theme, so that the engine starts with it.

#include "CTheme.h"
#include "DefaultTheme.h"
#include "ThemeLocations.h"

#include <cstdio>
#include <string>

int wmain()
{
    wchar_t themes[MAX_PATH] = {};
    wchar_t current[MAX_PATH] = {};
    GetThemesFolder(themes);
    GetCurrentThemePath(current);
    std::unique_ptr<CTheme> theme = MakeDefaultTheme();
    const std::wstring installed = std::wstring(themes) + L"\\Default.Trivane";
    for (const std::wstring& path : {installed, std::wstring(current)}) {
        if (theme->Save(path.c_str(), 1) != 1) {
            fwprintf(stderr, L"Could not write %ls\n", path.c_str());
            return 1;
        }
        wprintf(L"Saved the default theme as %ls\n", path.c_str());
    }
    return 0;
}
