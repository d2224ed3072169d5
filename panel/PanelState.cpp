#include "PanelState.h"

PanelTextSizes PanelSizes;
HINSTANCE PanelModule = nullptr;
LMObj* PanelRoot = nullptr;
LMObj* PanelImageTabPage = nullptr;
LMObj* PanelInfoPage = nullptr;
SliderReportFunction PanelSliderReport = OnSliderValue;

// No slider has a setting behind it until the shadow settings come.
void OnSliderValue(CQVSliderObj*, int)
{
}
