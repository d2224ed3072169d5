#pragma once
// The control panel's program-wide values, one set per process and used on
// the dialog's thread only. The window build and the pages fill them in; the
// widget factories read them.

#include <windows.h>

class CQVSliderObj;
class LMObj;

// Text sizes in points, as the text factories are given them.
struct PanelTextSizes {
    int LabelSize = 11;     // buttons, links, settings texts, the combo font
    int RowSize = 12;       // list labels, row texts
    int SmallSize = 10;     // author and version labels, role labels
    int TabSize = 12;       // side-tab captions
    int PageTextSize = 11;  // page descriptions, About texts
};

extern PanelTextSizes PanelSizes;

// The module whose "PNG" resources skin the panel; null is the program.
extern HINSTANCE PanelModule;

// The object that adopts the panel's dialog window; page panels go in it.
extern LMObj* PanelRoot;
// The page panel (PNG 150) the image tabs sit on.
extern LMObj* PanelImageTabPage;
// The page panel (PNG 215) the info panel sits on.
extern LMObj* PanelInfoPage;

// Where sliders report a value: OnSliderValue, or a test's recorder.
using SliderReportFunction = void (*)(CQVSliderObj* slider, int value);
extern SliderReportFunction PanelSliderReport;

// The panel's handler of slider values (the shadow settings).
void OnSliderValue(CQVSliderObj* slider, int value);
