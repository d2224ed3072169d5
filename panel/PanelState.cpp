#include "PanelState.h"

#include "ThemeLocations.h"

PanelTextSizes PanelSizes;
HINSTANCE PanelModule = nullptr;
LMObj* PanelRoot = nullptr;
LMObj* PanelImageTabPage = nullptr;
LMObj* PanelInfoPage = nullptr;
SliderReportFunction PanelSliderReport = OnSliderValue;
wchar_t PanelThemesFolder[MAX_PATH] = {};
wchar_t PanelSoundsFolder[MAX_PATH] = {};
std::wstring PanelSettingsKey = L"SOFTWARE\\Kelmora\\Trivane";
std::unique_ptr<CTheme> PanelCurrentTheme;
LibraryPagesState Library;

// No slider has a setting behind it until the shadow settings come.
void OnSliderValue(CQVSliderObj*, int)
{
}

void LoadPanelLocations()
{
    GetThemesFolder(PanelThemesFolder);
    GetSoundsFolder(PanelSoundsFolder);
}
