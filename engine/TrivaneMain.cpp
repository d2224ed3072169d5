// The engine program: forwards a theme-file argument, or starts the one
// engine of the session and runs until it is stopped.

#include "EngineLifecycle.h"
#include "EngineWorld.h"
#include "Language.h"
#include "ThemeImport.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    int32_t ownFileFound = 0;
    LoadLanguage(&ownFileFound);
    if (HandleThemeArgument(World().GetCommandLineW()))
        return 0;
    if (!InitInstance(instance))
        return 0;
    return RunMessageLoop();
}
