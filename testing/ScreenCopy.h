#pragma once
// What is on the screen, read back the way Wine drew it (the screen DC,
// not an X capture).

#include "DibCanvas.h"

#include <memory>

// A copy of the screen rectangle.
std::unique_ptr<DibCanvas> CopyScreen(const RECT& area);
// A copy of the window's client area as it lies on the screen (without a
// window manager under Xvfb, frames are not drawn).
std::unique_ptr<DibCanvas> CopyClientFromScreen(HWND window);
