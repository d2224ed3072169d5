// The English texts installed beside this test program, as beside every
// program that loads texts.

#include "ChildProcess.h"
#include "TempFolder.h"
#include "UiTextParser.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

std::string InstalledEnglishBytes()
{
    std::string bytes;
    EXPECT_TRUE(ReadBytesFromFile(TestProgramFolder() + L"\\lang\\1033\\ui.txt", &bytes));
    return bytes;
}

// Lines split at CR LF; the file ends with one.
std::map<int, std::string> NumberedLines(const std::string& bytes)
{
    std::map<int, std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        size_t equals = line.find('=');
        EXPECT_NE(std::string::npos, equals) << line;
        int number = std::stoi(line.substr(0, equals));
        EXPECT_EQ(std::to_string(number), line.substr(0, equals)) << "plain decimal key";
        EXPECT_EQ(0u, lines.count(number)) << "number " << number << " twice";
        lines[number] = line.substr(equals + 1);
        start = end + 2;
    }
    return lines;
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

}  // namespace

TEST(InstalledEnglishTexts, AreAsciiWithCrLfLineEnds)
{
    std::string bytes = InstalledEnglishBytes();
    ASSERT_FALSE(bytes.empty());
    for (size_t i = 0; i < bytes.size(); ++i) {
        SCOPED_TRACE(i);
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool printable = byte >= 0x20 && byte < 0x7F;
        ASSERT_TRUE(printable || byte == '\r' || byte == '\n') << int(byte);
        const bool crBeforeLf = byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        const bool lfAfterCr = byte == '\n' && i > 0 && bytes[i - 1] == '\r';
        if (!printable) {
            ASSERT_TRUE(crBeforeLf || lfAfterCr);
        }
    }
    EXPECT_EQ("\r\n", bytes.substr(bytes.size() - 2));
}

TEST(InstalledEnglishTexts, HaveOneNonEmptyLineForEveryNumberFrom1To149)
{
    std::map<int, std::string> lines = NumberedLines(InstalledEnglishBytes());
    EXPECT_EQ(149u, lines.size());
    for (int n = 1; n <= 149; ++n) {
        SCOPED_TRACE(n);
        ASSERT_EQ(1u, lines.count(n));
        EXPECT_FALSE(lines[n].empty());
    }
}

TEST(InstalledEnglishTexts, HoldTheFixedTexts)
{
    std::map<int, std::string> lines = NumberedLines(InstalledEnglishBytes());
    const std::map<int, std::string> fixed = {
        {101, "Left down"},
        {102, "Left up"},
        {103, "Left double-click"},
        {104, "Middle down"},
        {105, "Middle up"},
        {106, "Middle double-click"},
        {107, "Right down"},
        {108, "Right up"},
        {109, "Right double-click"},
        {45, "Version"},
        {58, "Trivane Control Panel"},
        {70, "OK"},
        {71, "Cancel"},
    };
    for (const auto& [number, text] : fixed) {
        SCOPED_TRACE(number);
        EXPECT_EQ(text, lines[number]);
    }
}

TEST(InstalledEnglishTexts, OnlyTheTwoQuestionsHoldAPercentSignEachOnePercentS)
{
    std::map<int, std::string> lines = NumberedLines(InstalledEnglishBytes());
    for (const auto& [number, text] : lines) {
        SCOPED_TRACE(number);
        if (number == 38 || number == 39) {
            EXPECT_EQ(1u, Count(text, "%"));
            EXPECT_EQ(1u, Count(text, "%s"));
        } else {
            EXPECT_EQ(0u, Count(text, "%"));
        }
    }
    EXPECT_NE(std::string::npos, lines[38].find("delete"));
    EXPECT_NE(std::string::npos, lines[39].find("replace"));
}

TEST(InstalledEnglishTexts, ParseIntoAFullTable)
{
    std::string bytes = InstalledEnglishBytes();
    std::wstring text(bytes.begin(), bytes.end());
    UiTable table;
    ParseUiText(text.c_str(), table);
    std::map<int, std::string> lines = NumberedLines(bytes);
    EXPECT_FALSE(table[0].has_value());
    for (int n = 1; n <= 149; ++n) {
        SCOPED_TRACE(n);
        ASSERT_TRUE(table[n].has_value());
        EXPECT_EQ(std::wstring(lines[n].begin(), lines[n].end()), *table[n]);
    }
}
