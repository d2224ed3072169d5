// "Trivane Control Panel.exe": "/install" or "/uninstall" registers the
// settings page with regsvr32; otherwise the panel's dialog runs.

#include "PanelShell.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    return PanelWinMain(instance);
}
