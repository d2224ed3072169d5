#include "LMJpegLoader.h"
#include "ImageFixtures.h"
#include "LMBitmap.h"
#include "MessageBoxRecorder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

std::string Hex(uint8_t b, uint8_t g, uint8_t r, uint8_t a)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%02X %02X %02X %02X", b, g, r, a);
    return text;
}

struct Rgb {
    uint8_t r, g, b;
};

// Four flat 16x16 blocks: top left, top right, bottom left, bottom right.
const Rgb kQuadrants[4] = {{200, 40, 90}, {30, 160, 220}, {250, 250, 10}, {5, 100, 5}};

Bytes QuadrantSamples()
{
    Bytes samples(32 * 32 * 3);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const Rgb& c = kQuadrants[(y / 16) * 2 + x / 16];
            uint8_t* s = &samples[(y * 32 + x) * 3];
            s[0] = c.r;
            s[1] = c.g;
            s[2] = c.b;
        }
    }
    return samples;
}

// Deterministic noise, so the scan data is long enough to cut in the middle.
Bytes NoisySamples(int width, int height)
{
    Bytes samples(static_cast<size_t>(width) * height * 3);
    uint32_t state = 12345;
    for (uint8_t& s : samples) {
        state = state * 1103515245u + 12345u;
        s = static_cast<uint8_t>(state >> 16);
    }
    return samples;
}

// A JPEG whose SOF0 says another size.
Bytes WithFrameSize(Bytes jpeg, uint16_t width, uint16_t height)
{
    size_t sof = FindJpegMarker(jpeg, 0xC0);
    if (sof == 0 || sof + 9 > jpeg.size())
        return {};
    jpeg[sof + 5] = static_cast<uint8_t>(height >> 8);
    jpeg[sof + 6] = static_cast<uint8_t>(height);
    jpeg[sof + 7] = static_cast<uint8_t>(width >> 8);
    jpeg[sof + 8] = static_cast<uint8_t>(width);
    return jpeg;
}

}  // namespace

TEST(LMJpegLoader, GreyBlocksDecodeExactlyIntoAllThreeChannels)
{
    TempFolder folder;
    std::wstring path = folder.File(L"grey.jpg");
    const std::vector<uint8_t> values = {9, 10, 255};
    ASSERT_TRUE(
        WriteFileBytes(path, MakeJpeg(JpegKind::Gray, 24, 8, GrayBlocks(24, 8, values), 100)));
    int width = 0;
    int height = 0;
    std::unique_ptr<uint8_t[]> pixels = LoadJpegPixels(path.c_str(), &width, &height);
    ASSERT_NE(nullptr, pixels);
    ASSERT_EQ(24, width);
    ASSERT_EQ(8, height);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 24; ++x) {
            SCOPED_TRACE(testing::Message() << "(" << x << "," << y << ")");
            uint8_t v = values[x / 8];
            EXPECT_EQ(Hex(v, v, v, 0), PixelBytes(pixels.get(), 24, 8, x, y));
        }
    }
}

// Top rows last in memory, bytes B G R, alpha 0 until something sets it.
TEST(LMJpegLoader, ColourBlocksLoadBottomUpAsBgrWithinOne)
{
    TempFolder folder;
    std::wstring path = folder.File(L"colour.jpg");
    ASSERT_TRUE(WriteFileBytes(path, MakeJpeg(JpegKind::Rgb, 32, 32, QuadrantSamples(), 100)));
    LMBitmap bitmap(path.c_str(), LMBitmapHasAlpha | LMBitmapColorKeyed);
    ASSERT_TRUE(bitmap.HasPixels());
    ASSERT_EQ(32, bitmap.Width);
    ASSERT_EQ(32, bitmap.Height);
    EXPECT_EQ(0, bitmap.HasAlpha);
    EXPECT_EQ(0, bitmap.ColorKeyed);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            SCOPED_TRACE(testing::Message() << "(" << x << "," << y << ")");
            const Rgb& c = kQuadrants[(y / 16) * 2 + x / 16];
            uint32_t pixel = *bitmap.PixelAt(x, y);
            EXPECT_NEAR(c.b, pixel & 0xFF, 1);
            EXPECT_NEAR(c.g, (pixel >> 8) & 0xFF, 1);
            EXPECT_NEAR(c.r, (pixel >> 16) & 0xFF, 1);
            EXPECT_EQ(0u, pixel >> 24);
        }
    }
}

TEST(LMJpegLoader, ACmykJpegLoadsAtFullSizeWithNothingWritten)
{
    TempFolder folder;
    std::wstring path = folder.File(L"cmyk.jpg");
    Bytes samples(20 * 12 * 4, 0x80);
    ASSERT_TRUE(WriteFileBytes(path, MakeJpeg(JpegKind::Cmyk, 20, 12, samples, 90)));
    int width = 0;
    int height = 0;
    std::unique_ptr<uint8_t[]> pixels = LoadJpegPixels(path.c_str(), &width, &height);
    ASSERT_NE(nullptr, pixels);
    ASSERT_EQ(20, width);
    ASSERT_EQ(12, height);
    EXPECT_TRUE(Bytes(20 * 12 * 4, 0) == Bytes(pixels.get(), pixels.get() + 20 * 12 * 4));
    LMBitmap bitmap(path.c_str(), 0);
    EXPECT_EQ(20, bitmap.Width);
    EXPECT_TRUE(Bytes(20 * 12 * 4, 0) == DibMemory(bitmap));
}

TEST(LMJpegLoader, LinesGoToTheMirroredRowAndLeaveAlphaAlone)
{
    uint8_t buffer[2 * 2 * 4];
    std::fill(std::begin(buffer), std::end(buffer), 0xAA);
    const uint8_t colour[6] = {1, 2, 3, 4, 5, 6};
    JpegRowToBgra(colour, 2, 2, buffer, 0);
    EXPECT_EQ("03 02 01 AA", PixelBytes(buffer, 2, 2, 0, 0));
    EXPECT_EQ("06 05 04 AA", PixelBytes(buffer, 2, 2, 1, 0));
    const uint8_t grey[2] = {7, 8};
    JpegGrayRowToBgra(grey, 2, 2, buffer, 1);
    EXPECT_EQ("07 07 07 AA", PixelBytes(buffer, 2, 2, 0, 1));
    EXPECT_EQ("08 08 08 AA", PixelBytes(buffer, 2, 2, 1, 1));
    EXPECT_EQ(0x07, buffer[0]);  // the bottom line is first in memory
}

TEST(LMJpegLoaderBadInput, AFileCutInItsScanWarnsOnceAndStillLoads)
{
    TempFolder folder;
    Bytes jpeg = MakeJpeg(JpegKind::Rgb, 64, 64, NoisySamples(64, 64), 90);
    size_t scan = FindJpegMarker(jpeg, 0xDA);
    ASSERT_NE(0u, scan);
    std::wstring path = folder.File(L"cut.jpg");
    ASSERT_TRUE(WriteFileBytes(path, Bytes(jpeg.begin(), jpeg.begin() + (scan + jpeg.size()) / 2)));
    MessageBoxRecorder recorder;
    LMBitmap bitmap(path.c_str(), 0);
    EXPECT_EQ(64, bitmap.Width);
    EXPECT_EQ(64, bitmap.Height);
    ASSERT_EQ(1u, recorder.Boxes().size());
    const RecordedMessageBox& box = recorder.Boxes()[0];
    EXPECT_EQ(L"JPEG Error", box.Caption);
    EXPECT_EQ(L"Premature end of JPEG file", box.Text);
    EXPECT_EQ(static_cast<UINT>(MB_OK), box.Type);
    EXPECT_EQ(GetActiveWindow(), box.Owner);
    EXPECT_TRUE(DeleteFileW(path.c_str())) << GetLastError();
}

TEST(LMJpegLoaderBadInput, FatalErrorsGiveNullWithoutABoxAndCloseTheFile)
{
    Bytes good = MakeJpeg(JpegKind::Gray, 24, 8, GrayBlocks(24, 8, {50}), 90);
    Bytes badPrecision = good;
    badPrecision[FindJpegMarker(good, 0xC0) + 4] = 12;
    const std::pair<const char*, Bytes> cases[] = {
        {"not a JPEG", Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0}},
        {"empty", Bytes{}},
        {"SOF width 0", WithFrameSize(good, 0, 8)},
        {"SOF height 0", WithFrameSize(good, 24, 0)},
        {"SOF 65500 x 65500", WithFrameSize(good, 65500, 65500)},
        {"12-bit samples", badPrecision},
    };
    TempFolder folder;
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        std::wstring path = folder.File(L"bad.jpg");
        ASSERT_TRUE(WriteFileBytes(path, bytes));
        MessageBoxRecorder recorder;
        int width = -1;
        int height = -1;
        EXPECT_EQ(nullptr, LoadJpegPixels(path.c_str(), &width, &height));
        EXPECT_EQ(0, width);
        EXPECT_EQ(0, height);
        EXPECT_EQ(nullptr, LoadJpeg(path.c_str()));
        LMBitmap bitmap(path.c_str(), 0);
        EXPECT_FALSE(bitmap.Handle);
        EXPECT_EQ(0u, recorder.Boxes().size());
        EXPECT_TRUE(DeleteFileW(path.c_str())) << GetLastError();
    }
}

// Running out of data is a warning; the missing image is then fatal.
TEST(LMJpegLoaderBadInput, GarbageAfterTheStartWarnsOnceThenFails)
{
    Bytes garbage = {0xFF, 0xD8};
    for (int i = 0; i < 300; ++i)
        garbage.push_back(static_cast<uint8_t>(i % 200));
    const std::pair<const char*, Bytes> cases[] = {
        {"garbage without 0xFF", garbage},
        {"SOI only", Bytes{0xFF, 0xD8}},
    };
    TempFolder folder;
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        std::wstring path = folder.File(L"garbage.jpg");
        ASSERT_TRUE(WriteFileBytes(path, bytes));
        MessageBoxRecorder recorder;
        EXPECT_EQ(nullptr, LoadJpeg(path.c_str()));
        ASSERT_EQ(1u, recorder.Boxes().size());
        EXPECT_EQ(L"JPEG Error", recorder.Boxes()[0].Caption);
        EXPECT_EQ(static_cast<UINT>(MB_OK), recorder.Boxes()[0].Type);
        EXPECT_TRUE(DeleteFileW(path.c_str())) << GetLastError();
    }
}

TEST(LMJpegLoaderBadInput, AMissingFileGivesNullWithoutABox)
{
    TempFolder folder;
    MessageBoxRecorder recorder;
    int width = -1;
    int height = -1;
    EXPECT_EQ(nullptr, LoadJpegPixels(folder.File(L"missing.jpg").c_str(), &width, &height));
    EXPECT_EQ(0, width);
    EXPECT_EQ(nullptr, LoadJpegPixels(nullptr, &width, &height));
    EXPECT_EQ(0u, recorder.Boxes().size());
}
