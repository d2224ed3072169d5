#include "ThemeArgument.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring Parse(const std::wstring& arguments, size_t chars = 1024)
{
    std::wstring out(chars, L'#');
    if (!ParseThemeArgument(arguments.c_str(), &out[0], chars))
        return L"<none>";
    return out.c_str();
}

TEST(ThemeArgumentTest, QuotesAndBlanksAroundAPathGiveThePath)
{
    struct Case {
        const wchar_t* Arguments;
        const wchar_t* Expected;
    };
    const Case cases[] = {
        {L"  \"C:\\a b\\x.Trivane\"  ", L"C:\\a b\\x.Trivane"},
        {L"\"C:\\a b\\x.Trivane\" ", L"C:\\a b\\x.Trivane"},
        {L"C:\\a b\\x.Trivane", L"C:\\a b\\x.Trivane"},
        {L"\"C:\\a b\\x.Trivane\"", L"C:\\a b\\x.Trivane"},
        {L"\t\"C:\\x.Trivane\"\t", L"C:\\x.Trivane"},
        {L"\"\"C:\\x.Trivane\"", L"C:\\x.Trivane"},
        {L"", L"<none>"},
        {L"   ", L"<none>"},
        {L"\"\"", L"<none>"},
        {L"\" \"", L"<none>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "arguments [" << c.Arguments << "]");
        EXPECT_EQ(std::wstring(c.Expected), Parse(c.Arguments));
    }
}

TEST(ThemeArgumentTest, AnArgumentThatDoesNotFitCountsAsNone)
{
    std::wstring longPath = L"C:\\" + std::wstring(1990, L'a') + L".Trivane";
    ASSERT_EQ(2001u, longPath.size());
    EXPECT_EQ(L"<none>", Parse(longPath));
    EXPECT_EQ(L"<none>", Parse(L"\"" + longPath + L"\""));

    // 1023 characters and the terminator fit; 1024 do not.
    std::wstring fits(1023, L'b');
    EXPECT_EQ(fits, Parse(fits));
    EXPECT_EQ(L"<none>", Parse(fits + L"b"));
}

TEST(ThemeArgumentTest, ArgumentsFollowTheProgramName)
{
    struct Case {
        const wchar_t* CommandLine;
        const wchar_t* Expected;
    };
    const Case cases[] = {
        {L"Trivane.exe C:\\x.Trivane", L"C:\\x.Trivane"},
        {L"\"C:\\Program Files\\Trivane.exe\" \"C:\\a b.Trivane\"", L"\"C:\\a b.Trivane\""},
        {L"\"C:\\Program Files\\Trivane.exe\"", L""},
        {L"Trivane.exe", L""},
        {L"Trivane.exe  two", L" two"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "command line [" << c.CommandLine << "]");
        EXPECT_EQ(std::wstring(c.Expected), CommandLineArguments(c.CommandLine));
    }
}

TEST(ThemeArgumentTest, OnlyThemeFileNamesHaveAThemeExtension)
{
    struct Case {
        const wchar_t* Path;
        bool Expected;
    };
    const Case cases[] = {
        {L"C:\\x.Trivane", true},
        {L"x.TRIVANE", true},
        {L"C:\\old.PvltTheme", true},
        {L".trivane", false},
        {L"C:\\x.txt", false},
        {L"C:\\x.trivane.bak", false},
        {L"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "path [" << c.Path << "]");
        EXPECT_EQ(c.Expected, HasThemeExtension(c.Path));
    }
}

}  // namespace
