#include "EngineMain.h"

#include "EngineLifecycle.h"
#include "EngineWorld.h"
#include "Language.h"
#include "ThemeImport.h"

int EngineMain(HINSTANCE instance)
{
    int32_t ownFileFound = 0;
    LoadLanguage(&ownFileFound);
    if (HandleThemeArgument(World().GetCommandLineW()))
        return 0;
    if (!InitInstance(instance))
        return 0;
    return RunMessageLoop();
}
