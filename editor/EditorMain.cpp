// Trivane Theme Editor.exe: the one application object and its entry.

#include "CEditorMFCApp.h"

namespace {

CEditorMFCApp g_theApp;

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    return DocViewMain(g_theApp, instance, showCommand);
}
