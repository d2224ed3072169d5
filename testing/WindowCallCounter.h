#pragma once
// Counts, per window, the layered updates and moves that go through the
// toolkit's bound procedures while a counter lives; the calls still reach
// the window system. One counter at a time.

#include "LMProcs.h"

#include <cstdint>
#include <map>
#include <vector>

struct WindowCalls {
    int Layered = 0;
    int Moves = 0;
    std::vector<uint32_t> Pixels;  // sent by the last layered update
    int LayeredWhenShown = -1;     // layered updates before the last show
};

// The pixels of the DIB section selected into a DC.
inline std::vector<uint32_t> SelectedPixels(HDC dc)
{
    DIBSECTION dib{};
    GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof(dib), &dib);
    const auto* bits = static_cast<const uint32_t*>(dib.dsBm.bmBits);
    return bits ? std::vector<uint32_t>(bits, bits + dib.dsBm.bmWidth * dib.dsBm.bmHeight)
                : std::vector<uint32_t>{};
}

class WindowCallCounter {
public:
    WindowCallCounter() : layered_(LMProcs::UpdateLayeredWindow), move_(LMProcs::SetWindowPos)
    {
        Calls.clear();
        real_ = this;
        LMProcs::UpdateLayeredWindow = CountLayered;
        LMProcs::SetWindowPos = CountMove;
    }
    ~WindowCallCounter()
    {
        LMProcs::UpdateLayeredWindow = layered_;
        LMProcs::SetWindowPos = move_;
        real_ = nullptr;
    }
    WindowCallCounter(const WindowCallCounter&) = delete;
    WindowCallCounter& operator=(const WindowCallCounter&) = delete;

    bool Bound() const { return layered_ != nullptr; }

    inline static std::map<HWND, WindowCalls> Calls;

private:
    static BOOL WINAPI CountLayered(HWND window, HDC screen, POINT* at, SIZE* size, HDC source,
                                    POINT* from, COLORREF key, BLENDFUNCTION* blend, DWORD flags)
    {
        ++Calls[window].Layered;
        Calls[window].Pixels = SelectedPixels(source);
        return real_->layered_(window, screen, at, size, source, from, key, blend, flags);
    }
    static BOOL WINAPI CountMove(HWND window, HWND after, int x, int y, int width, int height,
                                 UINT flags)
    {
        if (!(flags & SWP_NOMOVE))
            ++Calls[window].Moves;
        if (flags & SWP_SHOWWINDOW)
            Calls[window].LayeredWhenShown = Calls[window].Layered;
        return real_->move_(window, after, x, y, width, height, flags);
    }

    inline static WindowCallCounter* real_ = nullptr;
    decltype(LMProcs::UpdateLayeredWindow) layered_;
    decltype(LMProcs::SetWindowPos) move_;
};
