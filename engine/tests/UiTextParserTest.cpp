#include "UiTextParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> AllLines(const std::wstring& text, size_t lineChars = kUiLineChars + 1)
{
    std::vector<std::wstring> lines;
    std::vector<wchar_t> line(lineChars);
    const wchar_t* cursor = text.c_str();
    while (NextTextLine(&cursor, line.data(), line.size()))
        lines.emplace_back(line.data());
    return lines;
}

UiTable Parse(const std::wstring& text)
{
    UiTable table;
    ParseUiText(text.c_str(), table);
    return table;
}

int FilledSlots(const UiTable& table)
{
    int filled = 0;
    for (const auto& slot : table)
        filled += slot.has_value() ? 1 : 0;
    return filled;
}

}  // namespace

TEST(NextTextLine, EachKindOfLineEndEndsExactlyOneLine)
{
    struct Case {
        const wchar_t* Name;
        std::wstring Text;
        std::vector<std::wstring> Lines;
    };
    const Case cases[] = {
        {L"CR LF", L"a\r\nb", {L"a", L"b"}},
        {L"lone CR", L"a\rb", {L"a", L"b"}},
        {L"lone LF", L"a\nb", {L"a", L"b"}},
        {L"LF LF", L"a\n\nb", {L"a", L"b"}},
        {L"CR CR", L"a\r\rb", {L"a", L"", L"b"}},
        {L"LF CR", L"a\n\rb", {L"a", L"", L"b"}},
        {L"CR LF CR LF", L"a\r\n\r\nb", {L"a", L"", L"b"}},
        {L"no final break", L"a\r\nlast", {L"a", L"last"}},
        {L"final break", L"a\r\n", {L"a"}},
        {L"NUL ends the text", std::wstring(L"a\r\nb\0c\r\n", 8), {L"a", L"b"}},
        {L"empty", L"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Lines, AllLines(c.Text));
    }
}

TEST(NextTextLine, KeepsTheFirst2048CharactersAndReadsTheNextLineOnItsOwn)
{
    std::wstring longLine(5000, L'x');
    std::vector<std::wstring> lines = AllLines(longLine + L"\r\nnext");
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(std::wstring(2048, L'x'), lines[0]);
    EXPECT_EQ(L"next", lines[1]);
}

TEST(NextTextLine, CutsToTheBufferItIsGivenAndTerminates)
{
    EXPECT_EQ(std::vector<std::wstring>({L"abc", L"de"}), AllLines(L"abcdefg\nde", 4));
}

TEST(ParseUiText, KeysCountFrom1To149AsWcstolReadsThem)
{
    struct Case {
        const wchar_t* Line;
        int Number;  // 0: the line does not count
        const wchar_t* Text;
    };
    const Case cases[] = {
        {L"149=x", 149, L"x"},  {L"1=one", 1, L"one"},    {L" 12=a", 12, L"a"},
        {L"12 =b", 12, L"b"},   {L"12b=c", 12, L"c"},     {L"+7=plus", 7, L"plus"},
        {L"150=y", 0, nullptr}, {L"0=z", 0, nullptr},     {L"-5=w", 0, nullptr},
        {L"=v", 0, nullptr},    {L"abc", 0, nullptr},     {L"12", 0, nullptr},
        {L"", 0, nullptr},      {L"[Texts]", 0, nullptr}, {L"99999999999999999999=big", 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Line);
        UiTable table = Parse(c.Line);
        if (c.Number == 0) {
            EXPECT_EQ(0, FilledSlots(table));
        } else {
            EXPECT_EQ(1, FilledSlots(table));
            ASSERT_TRUE(table[c.Number].has_value());
            EXPECT_EQ(c.Text, *table[c.Number]);
        }
    }
}

TEST(ParseUiText, TheTextIsEverythingAfterTheFirstEqualsSignKeptExactly)
{
    struct Case {
        const wchar_t* Text;
        int Number;
        const wchar_t* Expected;
    };
    const Case cases[] = {
        {L"7==a", 7, L"=a"},
        {L"7=", 7, L""},
        {L"5=a\r\n5=b", 5, L"b"},
        {L"12 = word", 12, L" word"},
        {L"3=tab\tand trailing  ", 3, L"tab\tand trailing  "},
        {L"4=no \\n escapes", 4, L"no \\n escapes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        UiTable table = Parse(c.Text);
        ASSERT_TRUE(table[c.Number].has_value());
        EXPECT_EQ(c.Expected, *table[c.Number]);
    }
}

TEST(ParseUiText, ALineWithoutEqualsSignTakesNothingFromTheLineBefore)
{
    UiTable table = Parse(L"5=first text\r\n5\r\n6\r\n");
    ASSERT_TRUE(table[5].has_value());
    EXPECT_EQ(L"first text", *table[5]);
    EXPECT_FALSE(table[6].has_value());
}

TEST(ParseUiText, AnOverlongLineKeepsItsStartAndTheNextLineStillCounts)
{
    for (size_t length : {size_t(5000), size_t(100000)}) {
        SCOPED_TRACE(length);
        std::wstring text = L"12=" + std::wstring(length - 3, L'a') + L"\r\n13=next\r\n";
        UiTable table = Parse(text);
        ASSERT_TRUE(table[12].has_value());
        EXPECT_EQ(std::wstring(2048 - 3, L'a'), *table[12]);
        ASSERT_TRUE(table[13].has_value());
        EXPECT_EQ(L"next", *table[13]);
    }
}

TEST(ParseUiText, ANullTextAddsNothing)
{
    UiTable table;
    ParseUiText(nullptr, table);
    EXPECT_EQ(0, FilledSlots(table));
}
