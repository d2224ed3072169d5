#include "LMFrameTimer.h"

#include "LMClock.h"
#include "LMObj.h"
#include "LMToolkit.h"

#include <algorithm>

namespace {
constexpr int kCapacityStep = 10;
constexpr DWORD kTimerPeriodMs = 10;
constexpr DWORD kMinPassGapMs = 8;
}  // namespace

LMFrameTimer::LMFrameTimer(bool driven) : driven_(driven) {}

LMFrameTimer::~LMFrameTimer()
{
    if (timerId_)
        KillTimer(nullptr, timerId_);
}

std::vector<LMFrameTimer::Item>::iterator LMFrameTimer::Locate(const LMObj* object)
{
    return std::find_if(items_.begin(), items_.end(),
                        [object](const Item& item) { return item.Object == object; });
}

const LMFrameTimer::Item* LMFrameTimer::Find(const LMObj* object) const
{
    for (const Item& item : items_) {
        if (item.Object == object)
            return &item;
    }
    return nullptr;
}

// Capacity moves in steps of 10 so a busy table does not reallocate each add.
void LMFrameTimer::Reallocate(int capacity)
{
    std::vector<Item> resized;
    resized.reserve(static_cast<size_t>(capacity));
    resized.assign(items_.begin(), items_.end());
    items_.swap(resized);
    capacity_ = capacity;
}

int LMFrameTimer::Add(LMObj* object, DWORD interval)
{
    auto found = Locate(object);
    if (found != items_.end()) {
        if (interval != 0)
            found->Interval = interval;
        return 0;
    }
    int capacity = capacity_;
    while (capacity < Count() + 1)
        capacity += kCapacityStep;
    if (capacity != capacity_)
        Reallocate(capacity);
    items_.push_back(Item{object, interval, LMClockNowMs()});
    if (!driven_ && timerId_ == 0)
        timerId_ = SetTimer(nullptr, 0, kTimerPeriodMs, LMFrameTimerProc);
    return 1;
}

int LMFrameTimer::Remove(LMObj* object)
{
    auto it = Locate(object);
    if (it == items_.end())
        return 0;
    items_.erase(it);
    if (Count() < capacity_ - kCapacityStep)
        Reallocate(capacity_ - kCapacityStep);
    if (!driven_ && items_.empty() && timerId_) {
        KillTimer(nullptr, timerId_);
        timerId_ = 0;
    }
    return 1;
}

int LMFrameTimer::Tick()
{
    return Tick(LMClockNowMs());
}

int LMFrameTimer::Tick(DWORD nowMs)
{
    if (passed_ && nowMs - lastPass_ < kMinPassGapMs)
        return 0;
    passed_ = true;
    lastPass_ = nowMs;
    // An Update may add or remove items: index afresh every step.
    for (size_t i = 0; i < items_.size(); ++i) {
        Item& item = items_[i];
        if (nowMs - item.LastCall > item.Interval) {
            item.LastCall = nowMs;
            item.Object->Update(nowMs);
        }
    }
    return 1;
}

void CALLBACK LMFrameTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    if (LMScheduler)
        LMScheduler->Tick();
}
