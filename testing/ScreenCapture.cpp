#include "ScreenCapture.h"

#include "ChildProcess.h"
#include "MessagePump.h"
#include "PngFile.h"

#include <cstdlib>

namespace {

// The build folder as CMake gave it, a path of the host that Wine shows on
// its drive Z:.
std::wstring ScreenshotFolder()
{
    return BuildFolder() + L"\\screenshots";
}

}  // namespace

ColourOnScreen FindColourOnScreen(const RECT& area, uint32_t rgb)
{
    std::unique_ptr<DibCanvas> canvas = CopyScreen(area);
    ColourOnScreen found;
    long long sumX = 0, sumY = 0;
    for (int y = 0; y < canvas->Height(); ++y) {
        for (int x = 0; x < canvas->Width(); ++x) {
            if ((canvas->Pixel(x, y) & 0xFFFFFF) == rgb) {
                ++found.Count;
                sumX += x;
                sumY += y;
            }
        }
    }
    if (found.Count) {
        found.Centre = {area.left + static_cast<LONG>(sumX / found.Count),
                        area.top + static_cast<LONG>(sumY / found.Count)};
    }
    return found;
}

bool HasMoreThanOneColour(const DibCanvas& picture)
{
    const uint32_t first = picture.Pixel(0, 0) & 0xFFFFFF;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            if ((picture.Pixel(x, y) & 0xFFFFFF) != first)
                return true;
        }
    }
    return false;
}

bool SamePixels(const DibCanvas& a, const DibCanvas& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if ((a.Pixel(x, y) ^ b.Pixel(x, y)) & 0xFFFFFF)
                return false;
        }
    }
    return true;
}

bool ShowsWhatARepaintShows(HWND window)
{
    std::unique_ptr<DibCanvas> before = CopyClientFromScreen(window);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessagesFor(100);
    return SamePixels(*before, *CopyClientFromScreen(window));
}

bool WaitUntilStill(HWND window, DWORD timeoutMs)
{
    constexpr DWORD kStepMs = 150;
    std::unique_ptr<DibCanvas> last = CopyClientFromScreen(window);
    for (DWORD waited = 0; waited < timeoutMs; waited += kStepMs) {
        PumpMessagesFor(kStepMs);
        std::unique_ptr<DibCanvas> now = CopyClientFromScreen(window);
        if (SamePixels(*last, *now))
            return true;
        last = std::move(now);
    }
    return false;
}

bool WriteScreenshot(const std::wstring& name, const DibCanvas& canvas)
{
    const std::wstring folder = ScreenshotFolder();
    CreateDirectoryW(folder.c_str(), nullptr);
    return WritePngFile(folder + L"\\" + name, canvas);
}

bool NearColour(uint32_t a, uint32_t b, int tolerance)
{
    for (int shift : {0, 8, 16}) {
        const int difference = static_cast<int>((a >> shift) & 0xFF) - ((b >> shift) & 0xFF);
        if (std::abs(difference) > tolerance)
            return false;
    }
    return true;
}
