#include "PanelTestSupport.h"

#include "FactorySupport.h"
#include "LMBlankState.h"
#include "LMClock.h"
#include "LMToolkit.h"
#include "PanelState.h"

#include <atomic>
#include <thread>

namespace {

constexpr DWORD kFrameStepMs = 21;  // past the 20 ms frame interval
constexpr int kMaxSteps = 200;

DWORD g_now = 10000;

DWORD TestNow()
{
    return g_now;
}

// The shown dialog of this owner, or null.
HWND FindDialog(HWND owner)
{
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"#32770", nullptr))) {
        if (GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

}  // namespace

INT_PTR RunDriven(HWND owner, const std::function<INT_PTR()>& open,
                  const std::function<void(HWND)>& drive)
{
    std::atomic<bool> closed{false};
    std::thread driver([&, pending = drive]() mutable {
        for (DWORD start = GetTickCount(); !closed; Sleep(10)) {
            HWND dialog = FindDialog(owner);
            if (dialog && pending) {
                pending(dialog);
                pending = nullptr;
                start = GetTickCount();
            } else if (dialog && GetTickCount() - start > 5000) {
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            }
        }
    });
    const INT_PTR result = open();
    closed = true;
    driver.join();
    return result;
}

std::wstring TextOf(HWND window)
{
    std::wstring text(static_cast<size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, 0);
    text.resize(static_cast<size_t>(
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]))));
    return text;
}

void PanelTreeTest::SetUp()
{
    LMSetClockSource(TestNow);
    root_ = new LMObj(LMObjWindowless);
    auto* area = new LMBlankState(L"Default");
    area->SetSize(800, 600);
    root_->AddState(area);
    root_->Realize();
    root_->Show();
}

void PanelTreeTest::TearDown()
{
    DeleteObjectTree(root_);
    LMSetClockSource(nullptr);
}

std::vector<int> PanelTreeTest::Play(LMObj* object)
{
    std::vector<int> opacities{object->GetCurrentAlpha()};
    for (int i = 0; i < kMaxSteps && object->Animating; ++i) {
        const int frame = object->GetFrame();
        g_now += kFrameStepMs;
        LMScheduler->Tick(g_now);
        if (object->GetFrame() != frame)
            opacities.push_back(object->GetCurrentAlpha());
    }
    return opacities;
}

std::vector<uint32_t> PixelsTopDown(const LMBitmap& bitmap)
{
    return PixelBlock(bitmap, 0, 0, bitmap.Width, bitmap.Height);
}

std::vector<uint32_t> PixelBlock(const LMBitmap& bitmap, int x, int y, int width, int height)
{
    std::vector<uint32_t> pixels;
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column)
            pixels.push_back(*bitmap.PixelAt(column, row));
    }
    return pixels;
}
