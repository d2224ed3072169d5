#include "CMainFrame.h"

#include <iterator>

namespace {

constexpr UINT kIndicators[] = {kIdSeparator, kIdIndicatorCaps, kIdIndicatorNum,
                                kIdIndicatorScroll};

}  // namespace

int CMainFrame::OnCreate(CREATESTRUCTW* cs)
{
    if (CMDIFrameWnd::OnCreate(cs) == -1)
        return -1;
    if (!statusBar_.Create(this, kStatusBarStyle, kIdStatusBar) ||
        !statusBar_.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators))))
        return -1;
    return 0;
}
