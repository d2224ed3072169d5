#include "ScreenCopy.h"

std::unique_ptr<DibCanvas> CopyScreen(const RECT& area)
{
    auto canvas = std::make_unique<DibCanvas>(area.right - area.left, area.bottom - area.top);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas->Dc(), 0, 0, canvas->Width(), canvas->Height(), screen, area.left, area.top,
           SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas;
}

std::unique_ptr<DibCanvas> CopyClientFromScreen(HWND window)
{
    RECT area{};
    GetClientRect(window, &area);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    return CopyScreen(area);
}
