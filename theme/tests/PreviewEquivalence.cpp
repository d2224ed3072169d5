#include "PreviewEquivalence.h"

#include "ThemeContainer.h"

#include <gtest/gtest.h>

#include <cstring>

std::string DescribeTheme(const CTheme& theme)
{
    // What the writer keeps of the entries, plus what it leaves out.
    ThemeFileHeader header {};
    std::vector<uint8_t> body;
    EXPECT_TRUE(BuildThemeFile(theme, &header, &body));
    return std::to_string(theme.ContentFlags) + " flags, " + std::to_string(theme.CursorCount())
        + " cursors, body " + std::string(body.begin(), body.end());
}

void ExpectPreviewLikeWholeParse(
    const std::string& bytes, const wchar_t* fileTitle, const CTheme& previewed, int result)
{
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    ThemeFileHeader header {};
    uint64_t readSize = 0;
    bool readable = ReadThemeFileHeader(data, bytes.size(), &header)
        && header.Version >= kThemeFileOldestVersion && header.Version <= kThemeFileVersion
        && ThemeBodyReadSize(header, bytes.size() - sizeof(header), &readSize);
    if (!readable) {
        EXPECT_EQ(0, result) << "a file the reader refuses";
        return;
    }
    ByteBuffer packed;
    ByteBuffer body;
    ASSERT_TRUE(packed.Allocate(readSize));
    std::memcpy(packed.Data.get(), data + sizeof(header), static_cast<size_t>(readSize));
    if (!UnpackThemeBody(header, std::move(packed), &body))
        return;
    CTheme whole;
    ASSERT_EQ(1, ParseThemeBody(&whole, header, body.Data.get(), body.Size, 1));
    if (!whole.Name || whole.Name[0] == L'\0')
        whole.Name = DuplicateText(fileTitle);
    EXPECT_EQ(1, result);
    EXPECT_EQ(DescribeTheme(whole), DescribeTheme(previewed));
}
