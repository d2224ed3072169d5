#include "LMClock.h"

#include <gtest/gtest.h>

TEST(LMClock, ConvertsCounterToMilliseconds)
{
    EXPECT_EQ(1500u, LMClockMsFrom(15000000, 10000000, 7));
    EXPECT_EQ(0u, LMClockMsFrom(9999, 10000000, 7));
}

TEST(LMClock, DoesNotOverflowAfterWeeksOnAFastCounter)
{
    // 60 days of a 3 GHz counter: counter x 1000 would pass 2^64.
    const uint64_t frequency = 3000000000ull;
    const uint64_t counter = frequency * 60 * 86400 + frequency / 4;
    const uint64_t expectedMs = 60ull * 86400 * 1000 + 250;
    EXPECT_EQ(static_cast<DWORD>(expectedMs), LMClockMsFrom(counter, frequency, 0));
}

TEST(LMClock, FallsBackToTheTickCountWithoutAFrequency)
{
    EXPECT_EQ(123456u, LMClockMsFrom(999, 0, 123456));
}

TEST(LMClock, RealClockAdvancesWithTime)
{
    DWORD before = LMClockNowMs();
    Sleep(30);
    DWORD passed = LMClockNowMs() - before;
    EXPECT_GE(passed, 20u);
    EXPECT_LT(passed, 5000u);
}

TEST(LMClock, TestsCanDriveIt)
{
    LMSetClockSource([]() -> DWORD { return 4242; });
    EXPECT_EQ(4242u, LMClockNowMs());
    LMSetClockSource(nullptr);
    EXPECT_NE(4242u, LMClockNowMs());
}
