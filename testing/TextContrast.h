#pragma once
// How well the texts of a toolkit tree read on what lies under them: each
// shown text's colour against the median colour of the screen under its box
// with the texts hidden, as the WCAG 2 contrast ratio.

#include <windows.h>

#include <cstdint>
#include <vector>

class LMObj;

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

// Hides the texts until the windows are still, reads the screen under each
// box and shows them again; expects each text at least 4.5:1 against the
// median under its box, and the current theme's orange RGB(214, 129, 26),
// which reaches at most 2.99:1 on any light ground, on pure white. Prints
// every ratio after `view`.
void ExpectTextsRead(const std::vector<ShownText>& texts, const std::vector<HWND>& windows,
                     const char* view);
