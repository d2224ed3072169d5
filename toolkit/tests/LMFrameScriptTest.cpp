#include "LMFrameScript.h"
#include "GuardedMemory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

// {first, last, interval, kind}; the count of a "repeat" goes in first.
struct Expected {
    int32_t first, last, interval, kind;
};

constexpr int32_t R = LMScriptRepeat;
constexpr int32_t E = LMScriptEndRepeat;

std::vector<LMFrameScriptStep> Parse(const std::wstring& text)
{
    GuardedText guarded(text.size());
    std::vector<LMFrameScriptStep> steps;
    int count = ParseFrameScript(guarded.Set(text), &steps);
    EXPECT_EQ(static_cast<int>(steps.size()), count);
    return steps;
}

void ExpectSteps(const std::vector<Expected>& expected, const std::vector<LMFrameScriptStep>& steps)
{
    ASSERT_EQ(expected.size(), steps.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        const LMFrameScriptStep& step = steps[i];
        EXPECT_EQ(expected[i].kind, step.Kind);
        if (step.Kind == LMScriptRepeat) {
            EXPECT_EQ(expected[i].first, step.RepeatCount);
            EXPECT_EQ(0, step.PassCounter);
        } else if (step.Kind == LMScriptPlay) {
            EXPECT_EQ(expected[i].first, step.First);
            EXPECT_EQ(expected[i].last, step.Last);
            EXPECT_EQ(expected[i].interval, step.Interval);
        }
    }
}

} // namespace

TEST(ParseFrameScript, StepTables)
{
    struct Case {
        const wchar_t* text;
        std::vector<Expected> steps;
    };
    const Case cases[] = {
        { L"4-2,30;6", { { 4, 2, 30, 0 }, { 6, 0, 30, 0 } } },
        { L"12 4,60", { { 4, 0, 60, 0 } } },
        { L"9-,40", { { 9, 0, 40, 0 } } },
        { L"REPEAT 2;1;End Repeat", { { 2, 0, 0, R }, { 1, 0, 200, 0 }, { 0, 0, 0, E } } },
        { L"\trepeat 2;3", { { 2, 0, 200, 0 }, { 3, 0, 200, 0 } } },
        { L"repeat 2 5;end repeat", { { 5, 0, 200, 0 }, { 0, 0, 0, E } } },
        { L"7\n\r\n\r8",
            { { 7, 0, 200, 0 }, { 0, 0, 200, 0 }, { 0, 0, 200, 0 }, { 8, 0, 200, 0 } } },
        { L"1-3", { { 1, 3, 200, 0 } } },
        { L"3-1,50", { { 3, 1, 50, 0 } } },
        { L"2;5,100;7", { { 2, 0, 200, 0 }, { 5, 0, 100, 0 }, { 7, 0, 100, 0 } } },
        { L"1 5", { { 5, 0, 200, 0 } } },
        { L"5- 7", { { 7, 0, 200, 0 } } },
        { L"1, 50", { { 1, 0, 50, 0 } } },
        { L"repeat  3", { { 3, 0, 200, 0 } } },
        { L"repeat 3x", { { 3, 0, 0, R } } },
        { L"1\r\n", { { 1, 0, 200, 0 }, { 0, 0, 200, 0 } } },
        { L"end repeat 4", { { 4, 0, 200, 0 } } },
        { L"x;;", { { 0, 0, 200, 0 }, { 0, 0, 200, 0 }, { 0, 0, 200, 0 } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        ExpectSteps(c.steps, Parse(c.text));
    }
}

TEST(ParseFrameScript, EmptyTextGivesNoTable)
{
    std::vector<LMFrameScriptStep> steps(3);
    EXPECT_EQ(0, ParseFrameScript(L"", &steps));
    EXPECT_TRUE(steps.empty());
    EXPECT_EQ(0, ParseFrameScript(nullptr, &steps));
    EXPECT_TRUE(steps.empty());
}

TEST(ParseFrameScript, OneEntryPerSeparatorPlusOne)
{
    struct Case {
        const wchar_t* text;
        size_t entries;
    };
    const Case cases[] = {
        { L"1", 1 },
        { L";", 2 },
        { L"\r\n", 2 },
        { L"\n\r", 3 },
        { L"\r\r\n\n", 4 },
        { L"1;2;3", 3 },
        { L"a\rb\nc;d", 4 },
        { L"\r", 2 },
        { L"repeat 1\r\n", 2 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        EXPECT_EQ(c.entries, Parse(c.text).size());
    }
}

// Every text below ends right before an inaccessible page: a keyword cut by
// the end must stop at the terminator.
TEST(ParseFrameScript, KeywordsCutByTheEndReadNothingPastIt)
{
    const wchar_t* texts[]
        = { L"e", L"end", L"end rep", L"end repea", L"r", L"repeat", L"REPEAT", L"repeat ",
              L"1;end r", L"1-", L"1,", L"2-3,", L"-", L",", L"\r", L"9999999999999999999999999" };
    for (const wchar_t* text : texts) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(text)));
        std::vector<LMFrameScriptStep> steps = Parse(text);
        EXPECT_FALSE(steps.empty());
    }
    ExpectSteps({ { 0, 0, 0, R } }, Parse(L"repeat "));
    ExpectSteps({ { 0, 0, 200, 0 } }, Parse(L"end repea"));
    ExpectSteps({ { 1, 0, 200, 0 }, { 0, 0, 200, 0 } }, Parse(L"1;end r"));
}

TEST(ParseFrameScript, NumbersSaturate)
{
    ExpectSteps({ { 2147483647, 0, 200, 0 } }, Parse(L"2147483647"));
    ExpectSteps({ { 2147483647, 0, 200, 0 } }, Parse(L"2147483648"));
    ExpectSteps({ { 2147483647, 0, 200, 0 } }, Parse(L"9999999999999999999"));
    ExpectSteps({ { 1, 2147483647, 2147483647, 0 }, { 3, 0, 2147483647, 0 } },
        Parse(L"1-99999999999999999999999,1234567890123456789012345;3"));
    ExpectSteps(
        { { 2147483647, 0, 0, R } }, Parse(L"repeat 00000000000000000000000000099999999999"));
    ExpectSteps({ { 7, 0, 200, 0 } }, Parse(L"0000000000000000000000000000007"));
}

TEST(ParseNumber, ReadsTheDigitRunAndMovesPastIt)
{
    const wchar_t* text = L"0042x";
    const wchar_t* position = text;
    EXPECT_EQ(42, ParseNumber(&position));
    EXPECT_EQ(text + 4, position);
    EXPECT_EQ(0, ParseNumber(&position));
    EXPECT_EQ(text + 4, position);
    const wchar_t* longRun = L"123456789012345678901234567890;";
    position = longRun;
    EXPECT_EQ(2147483647, ParseNumber(&position));
    EXPECT_EQ(L';', *position);
}

TEST(SkipToToken, StopsAtTokensAndTheEnd)
{
    struct Case {
        const wchar_t* text;
        size_t stop;
    };
    const Case cases[] = {
        { L"ab7", 2 },
        { L" ,", 1 },
        { L"\t-", 1 },
        { L"xy;", 2 },
        { L"q\r", 1 },
        { L"q\n", 1 },
        { L"abc", 3 },
        { L"", 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        EXPECT_EQ(c.text + c.stop, SkipToToken(c.text));
    }
}
