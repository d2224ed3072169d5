#include "TextFile.h"
#include "ScopedWin.h"
#include "ThemeTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

struct ReadResult {
    DWORD Bytes;
    bool Present;
    std::wstring Text;
};

ReadResult Read(const TempFolder& folder, const std::string& bytes)
{
    std::wstring path = WriteTestFile(folder, L"t.txt", bytes);
    HeapText text;
    DWORD count = ReadTextFile(path.c_str(), &text);
    return { count, text != nullptr, text ? std::wstring(text.get()) : std::wstring() };
}

} // namespace

TEST(TextFile, Utf16FilesAreReadAfterTheirMark)
{
    TempFolder folder;
    struct Case {
        const char* Name;
        std::string Bytes;
        DWORD Count;
        bool Present;
        std::wstring Text;
    } cases[] = {
        { "mark only", std::string("\xFF\xFE", 2), 0, false, L"" },
        { "one character",
            std::string("\xFF\xFE"
                        "A\0",
                4),
            2, true, L"A\r\n" },
        { "two lines",
            std::string("\xFF\xFE"
                        "a\0\r\0\n\0b\0",
                10),
            8, true, L"a\r\nb\r\n" },
        { "odd size",
            std::string("\xFF\xFE"
                        "A\0B",
                5),
            3, true, L"A\r\n" },
        { "wide character", std::string("\xFF\xFE\xAC\x20", 4), 2, true, L"\x20AC\r\n" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ReadResult result = Read(folder, c.Bytes);
        EXPECT_EQ(c.Count, result.Bytes);
        EXPECT_EQ(c.Present, result.Present);
        EXPECT_EQ(c.Text, result.Text);
    }
}

TEST(TextFile, AnsiFilesKeepEveryByteAndGainALineEnd)
{
    TempFolder folder;
    struct Case {
        const char* Name;
        std::string Bytes;
        DWORD Count;
        std::wstring Text;
    } cases[] = {
        { "no final line break", "1=One", 5, L"1=One\r\n" },
        { "final CR LF", "1=One\r\n", 7, L"1=One\r\n\r\n" },
        { "three bytes", "abc", 3, L"abc\r\n" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ReadResult result = Read(folder, c.Bytes);
        EXPECT_EQ(c.Count, result.Bytes);
        EXPECT_TRUE(result.Present);
        EXPECT_EQ(c.Text, result.Text);
    }
}

TEST(TextFile, MissingShortAndHugeFilesGiveNothing)
{
    TempFolder folder;
    for (const std::string& bytes : { std::string(), std::string("a"), std::string("ab") }) {
        SCOPED_TRACE(bytes.size());
        ReadResult result = Read(folder, bytes);
        EXPECT_EQ(0u, result.Bytes);
        EXPECT_FALSE(result.Present);
    }
    HeapText text = DuplicateText(L"stale");
    EXPECT_EQ(0u, ReadTextFile(folder.File(L"missing.txt").c_str(), &text));
    EXPECT_EQ(nullptr, text.get());

    // A sparse file just over the limit.
    std::wstring huge = folder.File(L"huge.txt");
    {
        ScopedFile file(CreateFileW(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
            FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file);
        LARGE_INTEGER size;
        size.QuadPart = 64 * 1024 * 1024 + 1;
        ASSERT_TRUE(SetFilePointerEx(file.Get(), size, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(file.Get()));
    }
    EXPECT_EQ(0u, ReadTextFile(huge.c_str(), &text));
    EXPECT_EQ(nullptr, text.get());
}
