// Prints what one tracking step costs, kind by kind, for a 64 x 64 pointer
// with the default drop shadow: a still pointer, a move, a new frame, a move
// with a new frame, and a switch to another pointer with a move and a new
// frame. For each kind: median and 99th-percentile time over many steps, and
// the calls per step to the window system (layered updates, window moves)
// and cursor queries. The system pointers are simulated (under Wine the
// system's own swap changes nothing); every other call is real.
//
// Under Wine each layered update or move costs about a millisecond and a
// half; on Windows tens of microseconds. The calls per step carry over.

#include "CPointer.h"
#include "CTheme.h"
#include "EngineValues.h"
#include "LMClock.h"
#include "LMProcs.h"
#include "LMToolkit.h"
#include "SimulatedCursorWorld.h"
#include "SystemCursorTable.h"
#include "TrackingStep.h"
#include "TrackingValues.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 64;
constexpr int kFrames = 4;
constexpr int kStepsPerKind = 2000;
constexpr DWORD kFrameMs = 40;
constexpr int kDummyCursorId = 0x81;
// Slot 0 (the arrow) and slot 5 (the text beam).
constexpr int kSlots[] = {0, 5};

struct Counts {
    int Layered = 0;
    int Moves = 0;
    int CursorQueries = 0;
};

DWORD g_clock = 1;
Counts g_counts;
decltype(LMProcs::UpdateLayeredWindow) g_realLayered = nullptr;
decltype(LMProcs::SetWindowPos) g_realMove = nullptr;

// The simulated pointers, at a position of their own; cursor queries and
// the engine's own window moves are counted.
class BenchWorld : public SimulatedCursorWorld {
public:
    BOOL GetCursorPos(POINT* point) override
    {
        ++g_counts.CursorQueries;
        *point = Position;
        return TRUE;
    }
    BOOL GetCursorInfo(CURSORINFO* info) override
    {
        ++g_counts.CursorQueries;
        BOOL read = SimulatedCursorWorld::GetCursorInfo(info);
        info->ptScreenPos = Position;
        return read;
    }
    BOOL SetWindowPos(HWND window, HWND after, int x, int y, int width, int height,
                      UINT flags) override
    {
        ++g_counts.Moves;
        return SimulatedCursorWorld::SetWindowPos(window, after, x, y, width, height, flags);
    }
    POINT Position = {200, 200};
};

BOOL WINAPI CountLayered(HWND window, HDC screen, POINT* at, SIZE* size, HDC source, POINT* from,
                         COLORREF key, BLENDFUNCTION* blend, DWORD flags)
{
    ++g_counts.Layered;
    return g_realLayered(window, screen, at, size, source, from, key, blend, flags);
}

BOOL WINAPI CountMove(HWND window, HWND after, int x, int y, int width, int height, UINT flags)
{
    ++g_counts.Moves;
    return g_realMove(window, after, x, y, width, height, flags);
}

// An opaque disc that grows frame by frame.
std::unique_ptr<LMBitmap> DiscStrip()
{
    auto bitmap = std::make_unique<LMBitmap>(kSide * kFrames, kSide, LMBitmapHasAlpha);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide * kFrames; ++x) {
            int dx = x % kSide - kSide / 2;
            int dy = y - kSide / 2;
            int radius = kSide / 4 + x / kSide * 2;
            *bitmap->PixelAt(x, y) = dx * dx + dy * dy < radius * radius ? 0xFFC08040u : 0u;
        }
    }
    return bitmap;
}

bool WriteTheme(const std::wstring& path)
{
    CTheme theme;
    for (int slot : kSlots) {
        auto cursor = std::make_unique<CThemeCursor>();
        cursor->Role = SystemCursorSlots[slot].Role;
        cursor->State = kCursorStateNormal;
        cursor->Group = kThemeCursorGroup;
        cursor->StdCursor = 0;
        cursor->Frames = kFrames;
        cursor->Interval = static_cast<int32_t>(kFrameMs);
        cursor->Loop = 1;
        cursor->HotSpotX = kSide / 2;
        cursor->HotSpotY = kSide / 2;
        wchar_t name[16];
        swprintf(name, 16, L"%d-1", cursor->Role);
        cursor->SetUpAnimation(DiscStrip(), name, LMFrameInterruptible | LMFrameLoop, false);
        theme.AddCursor(std::move(cursor));
    }
    theme.ContentFlags = ThemeHasCursors;
    return theme.Save(path.c_str(), 0) == 1;
}

// The dummies in the simulated table, as the engine installs them.
void InstallDummies(BenchWorld& world)
{
    for (int slot : kSlots) {
        DWORD id = static_cast<DWORD>(SystemCursorSlots[slot].OcrId);
        HCURSOR dummy = LoadCursorW(EngineInstance, MAKEINTRESOURCEW(kDummyCursorId));
        world.SetSystemCursor(CopyIcon(dummy), id);
        SystemCursorSlots[slot].Dummy = world.LoadCursorW(nullptr, MAKEINTRESOURCEW(id));
    }
    EngineEnabled = 1;
    DummyVerified = 1;
}

double NowMs()
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Kind {
    const char* Name;
    bool Switch, Move, Frame;
};

struct Figures {
    double Median;
    double Percentile99;
    double Layered, Moves, CursorQueries;  // per step
};

// Steps of one kind: each changes what the kind says and nothing else.
Figures TimeKind(BenchWorld& world, const Kind& kind)
{
    std::vector<double> times;
    Counts total;
    int shown = 0;
    for (int step = 0; step < kStepsPerKind; ++step) {
        if (kind.Switch)
            shown = 1 - shown;
        world.Show(static_cast<DWORD>(SystemCursorSlots[kSlots[shown]].OcrId));
        if (kind.Move)
            world.Position.x = 200 + (world.Position.x - 199) % 400;
        // Past the frame interval, or short of the frame timer's next pass.
        g_clock += kind.Frame ? kFrameMs + 1 : 0;
        g_counts = Counts{};
        double start = NowMs();
        UpdateStep();
        times.push_back(NowMs() - start);
        total.Layered += g_counts.Layered;
        total.Moves += g_counts.Moves;
        total.CursorQueries += g_counts.CursorQueries;
    }
    std::sort(times.begin(), times.end());
    auto perStep = [](int count) { return static_cast<double>(count) / kStepsPerKind; };
    return {times[times.size() / 2], times[times.size() * 99 / 100], perStep(total.Layered),
            perStep(total.Moves), perStep(total.CursorQueries)};
}

std::wstring TemporaryThemePath()
{
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"TrackingBench.Trivane";
}

}  // namespace

int main()
{
    BenchWorld world;
    SetWorld(&world);
    LMClockInit();
    LMSetClockSource([] { return g_clock; });
    EngineInstance = GetModuleHandleW(nullptr);
    LMInitialize(EngineInstance, kEngineAppName, kEngineToolkitFlags);
    std::wstring path = TemporaryThemePath();
    EnginePointer = std::make_unique<CPointer>();
    if (!WriteTheme(path) || !EnginePointer->LoadThemeFrom(path.c_str())) {
        std::fprintf(stderr, "The benchmark theme did not load\n");
        return 1;
    }
    InstallDummies(world);
    g_realLayered = LMProcs::UpdateLayeredWindow;
    g_realMove = LMProcs::SetWindowPos;
    if (g_realLayered)
        LMProcs::UpdateLayeredWindow = CountLayered;
    LMProcs::SetWindowPos = CountMove;
    const Kind kinds[] = {
        {"still", false, false, false},
        {"move only", false, true, false},
        {"frame only", false, false, true},
        {"move and frame", false, true, true},
        {"switch, move and frame", true, true, true},
    };
    // The first steps show the pointer; they are not one of the kinds.
    g_clock += 1000;
    UpdateStep();
    std::printf("Tracking step, %dx%d pointer with shadow, %d steps of each kind "
                "(median / 99th percentile; window calls and cursor queries per step):\n",
                kSide, kSide, kStepsPerKind);
    for (const Kind& kind : kinds) {
        Figures figures = TimeKind(world, kind);
        std::printf("  %-24s %7.4f ms / %7.4f ms   layered %.2f  moves %.2f  cursor %.2f\n",
                    kind.Name, figures.Median, figures.Percentile99, figures.Layered, figures.Moves,
                    figures.CursorQueries);
    }
    LMProcs::UpdateLayeredWindow = g_realLayered;
    LMProcs::SetWindowPos = g_realMove;
    EnginePointer.reset();
    CurrentTheme.reset();
    DeleteFileW(path.c_str());
    SetWorld(nullptr);
    return 0;
}
