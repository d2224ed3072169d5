// The engine program.

#include "EngineMain.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    return EngineMain(instance);
}
