#include "LMResample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{

// The same value in blue, green, red and alpha.
uint32_t Gray(uint32_t value)
{
    return value * 0x01010101u;
}

std::vector<uint32_t> GrayRow(std::initializer_list<uint32_t> values)
{
    std::vector<uint32_t> row;
    for (uint32_t v : values)
        row.push_back(Gray(v));
    return row;
}

std::string Describe(const std::vector<ResampleWeight>& table)
{
    std::string text;
    for (const ResampleWeight& w : table)
        text += "(" + std::to_string(w.w0) + "," + std::to_string(w.w1) + ")";
    return text;
}

// Every channel of every pixel within [low, high].
::testing::AssertionResult ChannelsWithin(
    const std::vector<uint32_t>& pixels, uint32_t low, uint32_t high)
{
    for (size_t i = 0; i < pixels.size(); ++i) {
        for (int c = 0; c < 4; ++c) {
            uint32_t v = (pixels[i] >> (8 * c)) & 0xFF;
            if (v < low || v > high)
                return ::testing::AssertionFailure() << "pixel " << i << " channel " << c << " is "
                                                     << v << ", expected " << low << ".." << high;
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(BuildResampleWeights, TablesOfCoverage)
{
    struct Case {
        int n, m;
        bool shrink;
        const char* expected;
    } cases[] = {
        { 5, 2, true, "(1638,0)(1638,0)(819,819)(1638,0)(1638,-1)" },
        { 4, 3, true, "(3072,0)(1024,2048)(2048,1024)(3072,-1)" },
        { 5, 3, false, "(4096,0)(2730,1365)(4096,0)(1365,2730)(4096,-1)" },
        { 3, 3, true, "(4096,-1)(4096,-1)(4096,-1)" },
        { 1, 1, false, "(4096,-1)" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.n) + " " + std::to_string(c.m) + (c.shrink ? " shrink" : ""));
        EXPECT_EQ(c.expected, Describe(BuildResampleWeights(c.n, c.m, c.shrink)));
    }
}

TEST(BuildResampleWeights, LengthsItCannotMapGiveNoTable)
{
    struct Case {
        int n, m;
    } cases[] = { { 0, 0 }, { 0, 3 }, { 3, 0 }, { -4, 2 }, { 4, -2 }, { 2, 3 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.n) + " " + std::to_string(c.m));
        EXPECT_TRUE(BuildResampleWeights(c.n, c.m, true).empty());
        EXPECT_TRUE(BuildResampleWeights(c.n, c.m, false).empty());
    }
}

TEST(BuildResampleWeights, LongLengthsStillStepOncePerDestinationPixel)
{
    // Above 4096 pixels a crossing's second share can round to nothing; it must still
    // count as a crossing, or the walk loses a pixel.
    struct Case {
        int n, m;
        bool shrink;
    } cases[] = { { 5000, 3001, true }, { 9000, 4999, true }, { 5000, 4500, false } };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.n) + " " + std::to_string(c.m));
        auto table = BuildResampleWeights(c.n, c.m, c.shrink);
        ASSERT_EQ(static_cast<size_t>(c.n), table.size());
        int steps = 0;
        for (const ResampleWeight& w : table)
            steps += w.w1 != 0;
        EXPECT_EQ(c.m, steps);
        EXPECT_EQ(-1, table.back().w1);
    }
}

TEST(ResampleShrink, BoxesOneRow)
{
    auto source = GrayRow({ 40, 80, 120, 160, 200 });
    std::vector<uint32_t> destination(2);
    ASSERT_EQ(1, ResampleShrink(source.data(), 5, 1, destination.data(), 2, 1, 5, 2));
    EXPECT_EQ(GrayRow({ 71, 167 }), destination);
}

TEST(ResampleShrink, WalksRowsInMemoryOrderWithStrides)
{
    // Two memory rows of four, in a buffer six wide; out into a buffer four wide.
    std::vector<uint32_t> source = GrayRow({ 10, 20, 30, 40, 99, 99, 50, 60, 70, 80, 99, 99 });
    std::vector<uint32_t> destination(4, Gray(7));
    ASSERT_EQ(1, ResampleShrink(source.data(), 4, 2, destination.data(), 3, 1, 6, 4));
    EXPECT_EQ(GrayRow({ 32, 45, 57, 7 }), destination);
}

TEST(ResampleShrink, FullWhiteStaysWhite)
{
    std::vector<uint32_t> source(16, 0xFFFFFFFFu), destination(9);
    ASSERT_EQ(1, ResampleShrink(source.data(), 4, 4, destination.data(), 3, 3, 4, 3));
    EXPECT_TRUE(ChannelsWithin(destination, 255, 255));
}

TEST(ResampleShrink, WideRowsKeepTheirLevelToTheLastColumn)
{
    for (uint32_t level : { 100u, 255u }) {
        SCOPED_TRACE(level);
        std::vector<uint32_t> source(5000, Gray(level)), destination(3001, 0xDEADBEEF);
        ASSERT_EQ(
            1, ResampleShrink(source.data(), 5000, 1, destination.data(), 3001, 1, 5000, 3001));
        EXPECT_TRUE(ChannelsWithin(destination, level - 1, level));
    }
}

TEST(ResampleShrink, WideRampStaysInStep)
{
    // A ramp shows a destination that falls behind its source.
    std::vector<uint32_t> source(9000), destination(4999);
    for (int x = 0; x < 9000; ++x)
        source[x] = Gray(static_cast<uint32_t>(x * 250 / 8999));
    ASSERT_EQ(1, ResampleShrink(source.data(), 9000, 1, destination.data(), 4999, 1, 9000, 4999));
    for (int x = 0; x < 4999; ++x) {
        double centre = (x + 0.5) * 9000.0 / 4999.0;
        int ideal = static_cast<int>(centre * 250 / 8999);
        int actual = destination[x] & 0xFF;
        ASSERT_NEAR(ideal, actual, 2) << "column " << x;
    }
}

TEST(ResampleEnlarge, BoxesOneRow)
{
    auto source = GrayRow({ 0, 90, 180 });
    std::vector<uint32_t> destination(5);
    ASSERT_EQ(1, ResampleEnlarge(source.data(), 3, 1, destination.data(), 5, 1, 3, 5));
    EXPECT_EQ(GrayRow({ 0, 29, 90, 149, 180 }), destination);
}

TEST(ResampleEnlarge, TwoToThreeAveragesTheMiddle)
{
    auto source = GrayRow({ 0, 200, 100, 50 }); // two memory rows of two
    std::vector<uint32_t> destination(9);
    ASSERT_EQ(1, ResampleEnlarge(source.data(), 2, 2, destination.data(), 3, 3, 2, 3));
    EXPECT_EQ(GrayRow({ 0, 100, 200, 50, 87, 125, 100, 75, 50 }), destination);
}

TEST(ResampleEnlarge, WideRowsReadTheSourcePixelsTheyCover)
{
    // Alternating pixels: a destination that falls one source pixel behind turns dark
    // where it should be light.
    const int m = 4999, n = 5003;
    std::vector<uint32_t> source(m), destination(n, 0xDEADBEEF);
    for (int x = 0; x < m; ++x)
        source[x] = Gray(x % 2 ? 250 : 0);
    ASSERT_EQ(1, ResampleEnlarge(source.data(), m, 1, destination.data(), n, 1, m, n));
    for (int x = 0; x < n; ++x) {
        int64_t first = int64_t(x) * m / n, last = (int64_t(x + 1) * m + n - 1) / n - 1;
        uint32_t low = 255, high = 0;
        for (int64_t s = first; s <= last; ++s) {
            low = std::min(low, source[s] & 0xFF);
            high = std::max(high, source[s] & 0xFF);
        }
        uint32_t actual = destination[x] & 0xFF;
        ASSERT_TRUE(actual + 1 >= low && actual <= high)
            << "column " << x << " is " << actual << ", expected " << low << ".." << high;
    }
}

TEST(Resample, RefusesBuffersItCannotUse)
{
    std::vector<uint32_t> source(16, Gray(9)), destination(16, Gray(1));
    const uint32_t* s = source.data();
    uint32_t* d = destination.data();
    struct Case {
        const char* name;
        const uint32_t* source;
        int sw, sh;
        uint32_t* destination;
        int dw, dh, ss, ds;
        bool shrink;
    } cases[] = {
        { "null source", nullptr, 4, 4, d, 2, 2, 4, 2, true },
        { "null destination", s, 4, 4, nullptr, 2, 2, 4, 2, true },
        { "zero width", s, 0, 4, d, 0, 2, 4, 2, true },
        { "negative height", s, 4, -4, d, 2, -8, 4, 2, true },
        { "source stride short", s, 4, 4, d, 2, 2, 3, 2, true },
        { "destination stride short", s, 4, 4, d, 2, 2, 4, 1, true },
        { "shrink to wider", s, 2, 2, d, 4, 2, 2, 4, true },
        { "shrink to taller", s, 2, 2, d, 2, 4, 2, 2, true },
        { "enlarge to narrower", s, 4, 2, d, 2, 2, 4, 2, false },
        { "enlarge to shorter", s, 2, 4, d, 2, 2, 2, 2, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int result = c.shrink
            ? ResampleShrink(c.source, c.sw, c.sh, c.destination, c.dw, c.dh, c.ss, c.ds)
            : ResampleEnlarge(c.source, c.sw, c.sh, c.destination, c.dw, c.dh, c.ss, c.ds);
        EXPECT_EQ(0, result);
        EXPECT_EQ(std::vector<uint32_t>(16, Gray(1)), destination);
    }
}

TEST(InterpolateColumns, BlendsNeighboursByDistance)
{
    auto source = GrayRow({ 0, 100, 200 });
    std::vector<uint32_t> destination(4);
    ASSERT_EQ(1, InterpolateColumns(source.data(), 3, 1, destination.data(), 4, 3, 4));
    EXPECT_EQ(GrayRow({ 0, 75, 150, 200 }), destination);
}

TEST(InterpolateRows, CountsFromTheTopImageRow)
{
    auto source = GrayRow({ 250, 10 }); // memory order: bottom row first
    std::vector<uint32_t> destination(4);
    ASSERT_EQ(1, InterpolateRows(source.data(), 1, 2, destination.data(), 4, 1, 1));
    EXPECT_EQ(GrayRow({ 250, 250, 130, 10 }), destination); // memory order again
}

TEST(Interpolate, RefusesToShrinkOrUseBadBuffers)
{
    auto source = GrayRow({ 1, 2, 3, 4 });
    std::vector<uint32_t> destination(4, Gray(5));
    EXPECT_EQ(0, InterpolateColumns(source.data(), 4, 1, destination.data(), 2, 4, 2));
    EXPECT_EQ(0, InterpolateRows(source.data(), 1, 4, destination.data(), 2, 1, 1));
    EXPECT_EQ(0, InterpolateColumns(nullptr, 4, 1, destination.data(), 4, 4, 4));
    EXPECT_EQ(0, InterpolateRows(source.data(), 2, 2, destination.data(), 2, 1, 2));
    EXPECT_EQ(std::vector<uint32_t>(4, Gray(5)), destination);
}
