#pragma once
// Test states and an object that records what its hooks and repaint slots see.

#include "LMClock.h"
#include "LMObj.h"
#include "LMState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include <ostream>
#include <string>
#include <vector>

// A visual state with a frame size and no pixels.
class TestState : public LMVisualState {
public:
    TestState(const wchar_t* name, int width, int height)
        : LMVisualState(name)
    {
        FrameWidth = width;
        FrameHeight = height;
    }
    int HitTest(int, int) override { return HitMode == LMHitWholeFrame; }
    int Draw(HDC, int, int, int, int, int, int) override { return 1; }
};

// A 10 x 10 state; frames > 1 animates it at intervalMs with the frame flags.
inline TestState* MakeState(const wchar_t* name, int frames = 1, int intervalMs = 50, int flags = 0)
{
    auto* state = new TestState(name, 10, 10);
    state->SetFrames(frames, intervalMs, flags);
    return state;
}

// A state whose freed block is filled with 0xDD and kept until the test ends,
// so a read through a stale pointer sees garbage instead of the old values.
// Nothing derives from it, so its blocks are all of its own size.
class PoisonState final : public TestState {
public:
    using TestState::TestState;

    static void* operator new(size_t size)
    {
        Blocks().push_back(std::make_unique<unsigned char[]>(size));
        return Blocks().back().get();
    }
    static void operator delete(void* block)
    {
        std::memset(block, 0xDD, sizeof(PoisonState));
        Freed().push_back(block);
    }
    // Frees the blocks of every state deleted so far.
    static void ReleaseAll()
    {
        for (void* block : Freed()) {
            Blocks().erase(std::remove_if(Blocks().begin(), Blocks().end(),
                               [block](const auto& b) { return b.get() == block; }),
                Blocks().end());
        }
        Freed().clear();
    }

private:
    static std::vector<std::unique_ptr<unsigned char[]>>& Blocks()
    {
        static std::vector<std::unique_ptr<unsigned char[]>> blocks;
        return blocks;
    }
    static std::vector<void*>& Freed()
    {
        static std::vector<void*> freed;
        return freed;
    }
};

struct PositionReport {
    int AnchorX, AnchorY, Width, Height, Changes;
    bool operator==(const PositionReport& o) const
    {
        return AnchorX == o.AnchorX && AnchorY == o.AnchorY && Width == o.Width
            && Height == o.Height && Changes == o.Changes;
    }
};

inline std::ostream& operator<<(std::ostream& out, const PositionReport& r)
{
    return out << "(" << r.AnchorX << ", " << r.AnchorY << ", " << r.Width << ", " << r.Height
               << ", " << r.Changes << ")";
}

struct RepaintRequest {
    int X, Y, Width, Height, Mode;
    bool operator==(const RepaintRequest& o) const
    {
        return X == o.X && Y == o.Y && Width == o.Width && Height == o.Height && Mode == o.Mode;
    }
};

inline std::ostream& operator<<(std::ostream& out, const RepaintRequest& r)
{
    return out << "(" << r.X << ", " << r.Y << ", " << r.Width << ", " << r.Height << ", mode "
               << r.Mode << ")";
}

inline std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

class RecordingObj : public LMObj {
public:
    explicit RecordingObj(int32_t type = LMObjWindowless)
        : LMObj(type)
    {
    }

    int OnStateChanging(wchar_t* name, int flags) override
    {
        Changing.push_back(name);
        if (Rewrite)
            Rewrite(name);
        return LMObj::OnStateChanging(name, flags);
    }
    int OnStateDone(const wchar_t* name, int flags) override
    {
        Done.push_back(name);
        DoneFlags.push_back(flags);
        if (AfterDone)
            AfterDone();
        return LMObj::OnStateDone(name, flags);
    }
    int OnPositionChanged(int anchorX, int anchorY, int width, int height, int changes) override
    {
        Positions.push_back({ anchorX, anchorY, width, height, changes });
        return LMObj::OnPositionChanged(anchorX, anchorY, width, height, changes);
    }
    int Invalidate(int mode) override
    {
        Invalidates.push_back(mode);
        return LMObj::Invalidate(mode);
    }
    int InvalidateRect(int x, int y, int width, int height, int mode) override
    {
        Repaints.push_back({ x, y, width, height, mode });
        return LMObj::InvalidateRect(x, y, width, height, mode);
    }

    std::vector<std::wstring> Changing;
    std::vector<std::wstring> Done;
    std::vector<int> DoneFlags;
    std::vector<PositionReport> Positions;
    std::vector<int> Invalidates;
    std::vector<RepaintRequest> Repaints;
    std::function<void(wchar_t*)> Rewrite;
    std::function<void()> AfterDone;
};

inline std::vector<std::wstring> QueuedNames(const LMObj& obj)
{
    std::vector<std::wstring> names;
    for (const QueuedState& entry : obj.StateQueue)
        names.push_back(entry.Name);
    return names;
}

// The clock the toolkit reads while a test runs.
inline DWORD g_testNow = 0;
inline DWORD TestNow()
{
    return g_testNow;
}

class FakeClockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_testNow = 5000;
        LMSetClockSource(TestNow);
    }
    void TearDown() override
    {
        LMSetClockSource(nullptr);
        PoisonState::ReleaseAll();
    }
};

inline bool operator==(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != 0;
}

inline std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
