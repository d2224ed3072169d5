#include "LMPostedRect.h"

#include <mutex>
#include <unordered_map>

namespace {

// Any thread may post a redraw; the window's thread takes it back.
struct LiveRects {
    std::mutex lock;
    std::unordered_map<const RECT*, std::unique_ptr<RECT>> rects;
};

LiveRects& Live()
{
    // Never destroyed: windows torn down at exit may still drop their messages.
    static LiveRects* const live = new LiveRects;
    return *live;
}

}  // namespace

RECT* LMAllocPostedRect(const RECT& rect)
{
    auto owned = std::make_unique<RECT>(rect);
    RECT* pointer = owned.get();
    std::lock_guard<std::mutex> guard(Live().lock);
    Live().rects.emplace(pointer, std::move(owned));
    return pointer;
}

std::unique_ptr<RECT> LMTakePostedRect(WPARAM wParam)
{
    const auto* pointer = reinterpret_cast<const RECT*>(wParam);
    if (!pointer)
        return nullptr;
    std::lock_guard<std::mutex> guard(Live().lock);
    auto found = Live().rects.find(pointer);
    if (found == Live().rects.end())
        return nullptr;
    std::unique_ptr<RECT> rect = std::move(found->second);
    Live().rects.erase(found);
    return rect;
}

size_t LMLivePostedRects()
{
    std::lock_guard<std::mutex> guard(Live().lock);
    return Live().rects.size();
}

int LMPostRedraw(HWND window, const RECT* rect, LPARAM kind)
{
    RECT* posted = rect ? LMAllocPostedRect(*rect) : nullptr;
    WPARAM wParam = reinterpret_cast<WPARAM>(posted);
    if (window && PostMessageW(window, LMMsgDeferredRedraw, wParam, kind))
        return 1;
    LMTakePostedRect(wParam);
    return 0;
}

void LMDropPendingRedraws(HWND window)
{
    if (!window)
        return;
    MSG message;
    while (PeekMessageW(&message, window, LMMsgDeferredRedraw, LMMsgDeferredRedraw, PM_REMOVE))
        LMTakePostedRect(message.wParam);
}
