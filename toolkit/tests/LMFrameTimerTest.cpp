#include "LMClock.h"
#include "LMFrameTimer.h"
#include "LMObj.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

DWORD g_now = 0;
DWORD FakeNow()
{
    return g_now;
}

// Counts its updates and runs an optional action inside Update.
class CountingObj : public LMObj {
public:
    CountingObj() : LMObj(1) {}
    int Update(DWORD nowMs) override
    {
        ++Calls;
        LastNow = nowMs;
        if (OnUpdate)
            OnUpdate();
        return 1;
    }
    int Calls = 0;
    DWORD LastNow = 0;
    std::function<void()> OnUpdate;
};

class LMFrameTimerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_now = 1000;
        LMSetClockSource(FakeNow);
    }
    void TearDown() override { LMSetClockSource(nullptr); }

    LMFrameTimer timer{true};
};

}  // namespace

TEST_F(LMFrameTimerTest, AddingTwiceKeepsOneItemAndZeroKeepsTheInterval)
{
    CountingObj obj;
    EXPECT_EQ(1, timer.Add(&obj, 50));
    EXPECT_EQ(0, timer.Add(&obj, 0));
    ASSERT_EQ(1, timer.Count());
    EXPECT_EQ(50u, timer.Find(&obj)->Interval);
    EXPECT_EQ(0, timer.Add(&obj, 70));
    EXPECT_EQ(70u, timer.Find(&obj)->Interval);
    EXPECT_EQ(1, timer.Count());
}

TEST_F(LMFrameTimerTest, CapacityMovesInStepsOfTen)
{
    std::vector<CountingObj> objs(21);
    for (int i = 0; i < 11; ++i)
        timer.Add(&objs[i], 10);
    EXPECT_EQ(20, timer.Capacity());
    for (int i = 11; i < 21; ++i)
        timer.Add(&objs[i], 10);
    EXPECT_EQ(30, timer.Capacity());
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(1, timer.Remove(&objs[i]));
    EXPECT_EQ(10, timer.Count());
    EXPECT_EQ(20, timer.Capacity());
    timer.Remove(&objs[11]);
    EXPECT_EQ(10, timer.Capacity());
    EXPECT_EQ(0, timer.Remove(&objs[0]));
}

TEST_F(LMFrameTimerTest, PassesCloserThanEightMsDoNothing)
{
    CountingObj obj;
    timer.Add(&obj, 0);
    g_now += 20;
    EXPECT_EQ(1, timer.Tick());
    EXPECT_EQ(1, obj.Calls);
    g_now += 5;
    EXPECT_EQ(0, timer.Tick());
    EXPECT_EQ(1, obj.Calls);
    EXPECT_EQ(1, timer.Tick(g_now + 3));
    EXPECT_EQ(2, obj.Calls);
}

TEST_F(LMFrameTimerTest, AnItemIsCalledOnlyAfterMoreThanItsInterval)
{
    CountingObj obj;
    timer.Add(&obj, 40);
    EXPECT_EQ(1, timer.Tick(1040));
    EXPECT_EQ(0, obj.Calls) << "exactly the interval is not enough";
    EXPECT_EQ(1, timer.Tick(1049));
    EXPECT_EQ(1, obj.Calls);
    EXPECT_EQ(1049u, obj.LastNow);
    EXPECT_EQ(1, timer.Tick(1089));
    EXPECT_EQ(1, obj.Calls);
    EXPECT_EQ(1, timer.Tick(1098));
    EXPECT_EQ(2, obj.Calls);
}

TEST_F(LMFrameTimerTest, IntervalsSurviveTheClockWrapping)
{
    g_now = 0xFFFFFFF0u;
    CountingObj obj;
    timer.Add(&obj, 30);
    EXPECT_EQ(1, timer.Tick(0x00000010u));
    EXPECT_EQ(1, obj.Calls);
}

TEST_F(LMFrameTimerTest, UpdateMayRemoveItselfOrAddManyObjects)
{
    CountingObj adder, remover, last;
    std::vector<std::unique_ptr<CountingObj>> added;
    adder.OnUpdate = [&] {
        while (added.size() < 50) {
            added.push_back(std::make_unique<CountingObj>());
            timer.Add(added.back().get(), 1000);
        }
    };
    remover.OnUpdate = [&] { timer.Remove(&remover); };
    timer.Add(&adder, 0);
    timer.Add(&remover, 0);
    timer.Add(&last, 0);
    EXPECT_EQ(1, timer.Tick(1100));
    EXPECT_EQ(1, adder.Calls);
    EXPECT_EQ(1, remover.Calls);
    EXPECT_EQ(nullptr, timer.Find(&remover));
    EXPECT_EQ(52, timer.Count());
    EXPECT_EQ(60, timer.Capacity());
    EXPECT_EQ(1, timer.Tick(1200));
    EXPECT_EQ(1, remover.Calls);
    EXPECT_EQ(1, last.Calls);
}

TEST(LMFrameTimerSelfTimed, TheThreadTimerRunsExactlyWhileTheTableHasItems)
{
    LMFrameTimer timer(false);
    CountingObj a, b;
    EXPECT_EQ(0u, timer.TimerId());
    timer.Add(&a, 10);
    EXPECT_NE(0u, timer.TimerId());
    timer.Add(&b, 10);
    timer.Remove(&a);
    EXPECT_NE(0u, timer.TimerId());
    timer.Remove(&b);
    EXPECT_EQ(0u, timer.TimerId());
    timer.Add(&a, 10);
    EXPECT_NE(0u, timer.TimerId());
    timer.Remove(&a);
}

TEST(LMFrameTimerDriven, NeverStartsATimer)
{
    LMFrameTimer timer(true);
    CountingObj a;
    timer.Add(&a, 10);
    EXPECT_EQ(0u, timer.TimerId());
}
