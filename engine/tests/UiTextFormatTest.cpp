#include "UiTextFormat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring Format(const wchar_t* text, const wchar_t* argument,
                    const wchar_t* fallback = L"Built-in %s.")
{
    wchar_t buffer[260];
    size_t length = FormatUiText(buffer, 260, text, fallback, argument);
    EXPECT_EQ(std::wcslen(buffer), length);
    return buffer;
}

}  // namespace

TEST(FormatUiText, FillsTheFirstPercentSOnlyAndLeavesOtherPercentSignsAlone)
{
    struct Case {
        const wchar_t* Text;
        const wchar_t* Argument;
        const wchar_t* Expected;
    };
    const Case cases[] = {
        {L"Replace %s?", L"C:\\T", L"Replace C:\\T?"},
        {L"%n%s%d%%", L"A", L"%nA%d%"},
        {L"%s and %s", L"X", L"X and %s"},
        {L"100% sure about %s", L"it", L"100% sure about it"},
        {L"ends with %", L"X", L"ends with %"},
        {L"no argument", L"X", L"no argument"},
        {L"%%s stays", L"X", L"%s stays"},
        {L"%S is not %s", L"it", L"%S is not it"},
        {L"argument %s holds %s", L"%s and %d", L"argument %s and %d holds %s"},
        {L"null argument [%s]", nullptr, L"null argument []"},
        {L"", L"X", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(c.Expected, Format(c.Text, c.Argument));
    }
}

TEST(FormatUiText, AMissingTextGivesTheBuiltInSentence)
{
    EXPECT_EQ(L"Built-in C:\\T.", Format(nullptr, L"C:\\T"));
    EXPECT_EQ(L"", Format(nullptr, L"C:\\T", nullptr));
}

TEST(FormatUiText, ALongArgumentIsCutToTheBufferWhichIsAlwaysTerminated)
{
    std::wstring argument(5000, L'a');
    std::vector<wchar_t> buffer(262, L'#');
    size_t length = FormatUiText(buffer.data(), 260, L"Replace %s?", nullptr, argument.c_str());
    EXPECT_EQ(259u, length);
    EXPECT_EQ(L"Replace " + std::wstring(251, L'a'), std::wstring(buffer.data()));
    EXPECT_EQ(L'\0', buffer[259]);
    EXPECT_EQ(L'#', buffer[260]);
}

TEST(FormatUiText, TinyBuffersStayInBounds)
{
    wchar_t one[2] = {L'#', L'#'};
    EXPECT_EQ(0u, FormatUiText(one, 1, L"Replace %s?", nullptr, L"x"));
    EXPECT_EQ(L'\0', one[0]);
    EXPECT_EQ(L'#', one[1]);
    wchar_t none[1] = {L'#'};
    EXPECT_EQ(0u, FormatUiText(none, 0, L"Replace %s?", nullptr, L"x"));
    EXPECT_EQ(L'#', none[0]);
    EXPECT_EQ(0u, FormatUiText(nullptr, 10, L"Replace %s?", nullptr, L"x"));
}
