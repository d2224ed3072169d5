#pragma once
// How well the texts of a toolkit tree read on what lies under them: each
// shown text's colour against the median colour of the screen under its box
// with the texts hidden, as the WCAG 2 contrast ratio.

#include "DibCanvas.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class LMObj;

// The WCAG 2 contrast ratio of two colours (0xRRGGBB): 1 to 21.
double ContrastRatio(uint32_t a, uint32_t b);

// The median of each channel over the rectangle of the canvas (0xRRGGBB).
uint32_t MedianColour(const DibCanvas& canvas, const RECT& area);

// The object's visible rectangle on the screen, cut to its ancestors'; empty
// when its window is not visible.
RECT ScreenRectOfObject(const LMObj* object);

struct ShownText {
    LMObj* Object = nullptr;
    uint32_t Colour = 0;  // 0xRRGGBB
    RECT Box{};           // on the screen
};

// The text objects shown below root, whether or not root itself is shown
// (text states of the toolkit or made from text), with a box on the screen.
std::vector<ShownText> ShownTexts(LMObj* root);

struct TextContrast {
    ShownText Text;
    uint32_t Ground = 0;  // the median under the box, 0xRRGGBB
    double Ratio = 0;
};

// Hides the texts, waits until each window is still, reads the screen under
// each box and shows the texts again.
std::vector<TextContrast> MeasureTextContrast(const std::vector<ShownText>& texts,
                                              const std::vector<HWND>& windows);

// "colour on ground: ratio at (x, y)", for the test's report.
std::string DescribeContrast(const TextContrast& measured);
