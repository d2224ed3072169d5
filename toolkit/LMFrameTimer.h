#pragma once
// Calls LMObj::Update of each animating object at its own interval.

#include <windows.h>

#include <cstdint>
#include <vector>

class LMObj;

class LMFrameTimer {
public:
    struct Item {
        LMObj* Object;
        DWORD Interval;
        DWORD LastCall;
    };

    // driven: the program calls Tick itself and no thread timer is started.
    explicit LMFrameTimer(bool driven);
    ~LMFrameTimer();

    LMFrameTimer(const LMFrameTimer&) = delete;
    LMFrameTimer& operator=(const LMFrameTimer&) = delete;

    int Add(LMObj* object, DWORD interval);
    int Remove(LMObj* object);
    int Tick();
    int Tick(DWORD nowMs);

    int Count() const { return static_cast<int>(items_.size()); }
    int Capacity() const { return capacity_; }
    UINT_PTR TimerId() const { return timerId_; }
    const Item* Find(const LMObj* object) const;

    int32_t Owner = 0;

private:
    std::vector<Item>::iterator Locate(const LMObj* object);
    void Reallocate(int capacity);

    bool driven_;
    UINT_PTR timerId_ = 0;
    std::vector<Item> items_;
    int capacity_ = 0;
    DWORD lastPass_ = 0;
    bool passed_ = false;
};

// Thread-timer procedure: ticks LMScheduler.
void CALLBACK LMFrameTimerProc(HWND window, UINT message, UINT_PTR id, DWORD time);
