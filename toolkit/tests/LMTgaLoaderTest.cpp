#include "LMTgaLoader.h"
#include "ImageFixtures.h"
#include "LMBitmap.h"
#include "MessageBoxRecorder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

Bytes CountingBytes(size_t count)
{
    Bytes bytes(count);
    for (size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<uint8_t>(0x10 + i * 7);
    return bytes;
}

TgaFields ThreeByTwo()
{
    TgaFields fields;
    fields.Width = 3;
    fields.Height = 2;
    return fields;
}

}  // namespace

// The origin bit of the descriptor (8 = 8 alpha bits, bottom-left) is not
// consulted: stored rows are the bitmap's bottom-up rows.
TEST(LMTgaLoader, PixelBytesGoStraightIntoTheDibWithAlpha)
{
    TempFolder folder;
    const Bytes pixels = CountingBytes(24);
    for (uint8_t descriptor : {0x08, 0x28}) {
        SCOPED_TRACE(testing::Message() << "descriptor " << int(descriptor));
        TgaFields fields = ThreeByTwo();
        fields.Descriptor = descriptor;
        std::wstring path = folder.File(L"image.tga");
        ASSERT_TRUE(WriteFileBytes(path, MakeTga(fields, pixels)));
        LMBitmap bitmap(path.c_str(), 0);
        ASSERT_TRUE(bitmap.HasPixels());
        EXPECT_EQ(3, bitmap.Width);
        EXPECT_EQ(2, bitmap.Height);
        EXPECT_EQ(1, bitmap.HasAlpha);
        EXPECT_EQ(0, bitmap.Premultiplied);
        EXPECT_TRUE(pixels == DibMemory(bitmap));
    }
}

TEST(LMTgaLoader, AShortFileKeepsWhatItHasAndZerosTheRest)
{
    TempFolder folder;
    const Bytes pixels = CountingBytes(24);
    std::wstring path = folder.File(L"short.tga");
    ASSERT_TRUE(
        WriteFileBytes(path, MakeTga(ThreeByTwo(), Bytes(pixels.begin(), pixels.begin() + 10))));
    LMBitmap bitmap(path.c_str(), 0);
    ASSERT_TRUE(bitmap.HasPixels());
    Bytes expected(pixels.begin(), pixels.begin() + 10);
    expected.resize(24, 0);
    EXPECT_TRUE(expected == DibMemory(bitmap));
}

TEST(LMTgaLoaderBadInput, UnsupportedOrOversizedHeadersAreRefused)
{
    struct Case {
        const char* name;
        TgaFields fields;
    };
    std::vector<Case> cases;
    auto add = [&cases](const char* name, auto change) {
        TgaFields fields = ThreeByTwo();
        change(fields);
        cases.push_back({name, fields});
    };
    add("id length 1", [](TgaFields& s) { s.IdLength = 1; });
    add("run-length type 10", [](TgaFields& s) { s.ImageType = 10; });
    add("24 bits", [](TgaFields& s) { s.PixelDepth = 24; });
    add("colour map type 1", [](TgaFields& s) { s.ColorMapType = 1; });
    add("width 0", [](TgaFields& s) { s.Width = 0; });
    add("height 0", [](TgaFields& s) { s.Height = 0; });
    add("65535 x 65535", [](TgaFields& s) { s.Width = s.Height = 65535; });
    TempFolder folder;
    MessageBoxRecorder recorder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::wstring path = folder.File(L"bad.tga");
        ASSERT_TRUE(WriteFileBytes(path, MakeTga(c.fields, CountingBytes(24))));
        EXPECT_EQ(nullptr, LoadTga(path.c_str()));
        LMBitmap bitmap(path.c_str(), 0);
        EXPECT_FALSE(bitmap.Handle);
        EXPECT_EQ(0, bitmap.Width);
        EXPECT_EQ(nullptr, bitmap.GetDC());
        EXPECT_TRUE(DeleteFileW(path.c_str())) << GetLastError();
    }
    EXPECT_EQ(0u, recorder.Boxes().size());
}

TEST(LMTgaLoaderBadInput, ShortHeadersEmptyAndMissingFilesGiveNull)
{
    TempFolder folder;
    Bytes header = MakeTga(ThreeByTwo(), {});
    for (size_t size : {size_t(0), size_t(1), size_t(17)}) {
        SCOPED_TRACE(testing::Message() << size << " bytes");
        std::wstring path = folder.File(L"cut.tga");
        ASSERT_TRUE(WriteFileBytes(path, Bytes(header.begin(), header.begin() + size)));
        EXPECT_EQ(nullptr, LoadTga(path.c_str()));
    }
    EXPECT_EQ(nullptr, LoadTga(folder.File(L"missing.tga").c_str()));
    TgaHeader parsed;
    EXPECT_FALSE(ParseTgaHeader(header.data(), 17, &parsed));
    EXPECT_FALSE(ParseTgaHeader(nullptr, 18, &parsed));
}

TEST(LMTgaLoader, TheHeaderIsReadLittleEndian)
{
    TgaFields fields;
    fields.Width = 0x0102;
    fields.Height = 0x0304;
    Bytes bytes = MakeTga(fields, {});
    TgaHeader header;
    ASSERT_TRUE(ParseTgaHeader(bytes.data(), bytes.size(), &header));
    EXPECT_EQ(0x0102, header.Width);
    EXPECT_EQ(0x0304, header.Height);
    EXPECT_EQ(2, header.ImageType);
    EXPECT_EQ(32, header.PixelDepth);
    EXPECT_TRUE(IsSupportedTga(header));
}
