#include "ImageFixtures.h"
#include "LMBitmap.h"
#include "LMImageFile.h"
#include "LMJpegLoader.h"
#include "MessageBoxRecorder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

const std::vector<uint8_t> kMaskBlocks = {9, 10, 255};

Bytes MainJpeg()
{
    return MakeJpeg(JpegKind::Gray, 24, 8, GrayBlocks(24, 8, {60, 120, 180}), 100);
}

Bytes MaskJpeg(int height = 8)
{
    return MakeJpeg(JpegKind::Gray, 24, height, GrayBlocks(24, height, kMaskBlocks), 100);
}

void ExpectNoHandle(const LMBitmap& bitmap)
{
    EXPECT_FALSE(bitmap.Handle);
    EXPECT_EQ(0, bitmap.Width);
    EXPECT_EQ(0, bitmap.Height);
    EXPECT_FALSE(bitmap.HasPixels());
}

}  // namespace

TEST(LMImageFile, TheLastFourCharactersChooseTheLoaderIgnoringCase)
{
    const std::pair<const wchar_t*, LMImageKind> cases[] = {
        {L"a.bmp", LMImageKind::Bmp},     {L"a.PNG", LMImageKind::Png},
        {L"C:\\x.Tga", LMImageKind::Tga}, {L"c.JpG", LMImageKind::Jpeg},
        {L"x.jpeg", LMImageKind::None},   {L".png", LMImageKind::None},
        {L"x.gif", LMImageKind::None},    {L"a.png ", LMImageKind::None},
        {L"png", LMImageKind::None},      {L"", LMImageKind::None},
        {nullptr, LMImageKind::None},
    };
    for (const auto& [path, kind] : cases) {
        SCOPED_TRACE(testing::Message() << (path ? path : L"(null)"));
        EXPECT_EQ(static_cast<int>(kind), static_cast<int>(LMImageKindFromPath(path)));
    }
}

TEST(LMImageFile, TheMaskCompanionReplacesTheExtensionWhileItFitsAPathBuffer)
{
    EXPECT_EQ(L"arrow#MASK#.jpg", LMJpegMaskPath(L"arrow.jpg"));
    EXPECT_EQ(L"C:\\t\\c#MASK#.jpg", LMJpegMaskPath(L"C:\\t\\c.JPG"));
    std::wstring longest(249, L'a');
    EXPECT_EQ(259u, LMJpegMaskPath(longest + L".jpg").size());
    EXPECT_EQ(L"", LMJpegMaskPath(longest + L"a.jpg"));
}

TEST(LMBitmapFile, AnUpperCasePngEndingLoadsAsPng)
{
    SKIP_WITHOUT_LIBPNG_CONTRIB();
    TempFolder folder;
    std::wstring path = folder.File(L"a.PNG");
    ASSERT_TRUE(WriteFileBytes(path, ReadFileBytes(LibpngContribFile("pngsuite/basn6a08.png"))));
    LMBitmap bitmap(path.c_str(), 0);
    ASSERT_TRUE(bitmap.HasPixels());
    EXPECT_EQ(32, bitmap.Width);
    EXPECT_EQ(1, bitmap.HasAlpha);
    EXPECT_EQ(1, bitmap.FrameCount);
    EXPECT_EQ(0, bitmap.RefCount);
    EXPECT_NE(nullptr, bitmap.GetDC());
}

TEST(LMBitmapFile, OtherEndingsAndShortPathsGiveNoHandle)
{
    TempFolder folder;
    Bytes jpeg = MainJpeg();
    MessageBoxRecorder recorder;
    for (const wchar_t* name : {L"x.jpeg", L"x.gif", L"x.jpg.txt"}) {
        SCOPED_TRACE(testing::Message() << name);
        std::wstring path = folder.File(name);
        ASSERT_TRUE(WriteFileBytes(path, jpeg));
        LMBitmap bitmap(path.c_str(), LMBitmapHasAlpha);
        ExpectNoHandle(bitmap);
        EXPECT_EQ(nullptr, bitmap.GetDC());
    }
    LMBitmap bare(L".png", 0);
    ExpectNoHandle(bare);
    LMBitmap none(static_cast<const wchar_t*>(nullptr), 0);
    ExpectNoHandle(none);
    EXPECT_EQ(0u, recorder.Boxes().size());
}

TEST(LMBitmapFile, MissingFilesGiveNoHandleAndNoMessage)
{
    TempFolder folder;
    MessageBoxRecorder recorder;
    for (const wchar_t* name : {L"m.bmp", L"m.png", L"m.tga", L"m.jpg"}) {
        SCOPED_TRACE(testing::Message() << name);
        LMBitmap bitmap(folder.File(name).c_str(), 0);
        ExpectNoHandle(bitmap);
    }
    EXPECT_EQ(0u, recorder.Boxes().size());
}

TEST(LMBitmapFile, A24BitBmpBecomesA32BitDibWithTheSameColours)
{
    TempFolder folder;
    const std::vector<uint32_t> pixels = {0x112233, 0xFF00FF, 0x0000FE,
                                          0x808080, 0xFFFFFF, 0x010203};
    std::wstring path = folder.File(L"image.bmp");
    ASSERT_TRUE(WriteFileBytes(path, MakeBmp24(3, 2, pixels)));
    for (int flags : {0, LMBitmapHasAlpha}) {
        SCOPED_TRACE(testing::Message() << "flags " << flags);
        LMBitmap bitmap(path.c_str(), flags);
        ASSERT_TRUE(bitmap.HasPixels());
        EXPECT_EQ(32, bitmap.Dib.bmBitsPixel);
        EXPECT_EQ(3, bitmap.Width);
        EXPECT_EQ(2, bitmap.Height);
        EXPECT_EQ(flags ? 1 : 0, bitmap.HasAlpha);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(pixels[i], *bitmap.PixelAt(i % 3, i / 3) & 0x00FFFFFF) << "pixel " << i;
    }
}

TEST(LMBitmapFile, DamagedBmpsGiveNoHandle)
{
    TempFolder folder;
    Bytes good = MakeBmp24(3, 2, std::vector<uint32_t>(6, 0x123456));
    Bytes wrongMagic = good;
    wrongMagic[0] = 'X';
    const std::pair<const char*, Bytes> cases[] = {
        {"empty", Bytes{}},
        {"file header only", Bytes(good.begin(), good.begin() + 14)},
        {"wrong magic", wrongMagic},
        {"text", Bytes{'h', 'e', 'l', 'l', 'o'}},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        std::wstring path = folder.File(L"bad.bmp");
        ASSERT_TRUE(WriteFileBytes(path, bytes));
        LMBitmap bitmap(path.c_str(), 0);
        ExpectNoHandle(bitmap);
    }
}

TEST(LMBitmapFile, TheSharedDCFlagKeepsTheBitmapOutOfAnOwnDC)
{
    TempFolder folder;
    TgaFields fields;
    fields.Width = 2;
    fields.Height = 2;
    std::wstring path = folder.File(L"shared.tga");
    ASSERT_TRUE(WriteFileBytes(path, MakeTga(fields, Bytes(16, 0x40))));
    LMBitmap bitmap(path.c_str(), LMBitmapSharedDC | LMBitmapPremultiplied);
    ASSERT_TRUE(bitmap.HasPixels());
    EXPECT_EQ(1, bitmap.SharedDC);
    EXPECT_EQ(1, bitmap.Premultiplied);
    EXPECT_FALSE(bitmap.OwnDC);
    EXPECT_NE(nullptr, bitmap.GetDC());
}

TEST(LMBitmapFile, AJpegTakesItsAlphaFromTheCompanionsRed)
{
    TempFolder folder;
    ASSERT_TRUE(WriteFileBytes(folder.File(L"c.jpg"), MainJpeg()));
    ASSERT_TRUE(WriteFileBytes(folder.File(L"c#MASK#.jpg"), MaskJpeg()));
    LMBitmap bitmap(folder.File(L"c.jpg").c_str(), LMBitmapColorKeyed);
    ASSERT_TRUE(bitmap.HasPixels());
    EXPECT_EQ(1, bitmap.HasAlpha);
    EXPECT_EQ(0, bitmap.ColorKeyed);
    EXPECT_EQ(0, bitmap.Premultiplied);
    const uint8_t expectedAlpha[3] = {0, 10, 255};  // red 9 is below the threshold
    const uint8_t colour[3] = {60, 120, 180};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 24; ++x) {
            SCOPED_TRACE(testing::Message() << "(" << x << "," << y << ")");
            uint8_t c = colour[x / 8];
            char expected[16];
            std::snprintf(expected, sizeof(expected), "%02X %02X %02X %02X", c, c, c,
                          expectedAlpha[x / 8]);
            EXPECT_EQ(expected, PixelBytes(bitmap, x, y));
        }
    }
}

TEST(LMBitmapFile, AnUnusableCompanionLeavesTheJpegWithoutAlpha)
{
    TempFolder folder;
    std::wstring reference = folder.File(L"reference.jpg");
    ASSERT_TRUE(WriteFileBytes(reference, MainJpeg()));
    LMBitmap plain(reference.c_str(), 0);
    ASSERT_TRUE(plain.HasPixels());
    const std::pair<const char*, Bytes> cases[] = {
        {"another size", MaskJpeg(16)},
        {"undecodable", Bytes{'n', 'o', 'p', 'e'}},
        {"missing", Bytes{}},
    };
    for (const auto& [name, companion] : cases) {
        SCOPED_TRACE(name);
        TempFolder case_folder;
        ASSERT_TRUE(WriteFileBytes(case_folder.File(L"c.jpg"), MainJpeg()));
        if (!companion.empty()) {
            ASSERT_TRUE(WriteFileBytes(case_folder.File(L"c#MASK#.jpg"), companion));
        }
        LMBitmap bitmap(case_folder.File(L"c.jpg").c_str(), LMBitmapHasAlpha);
        ASSERT_TRUE(bitmap.HasPixels());
        EXPECT_EQ(0, bitmap.HasAlpha);
        EXPECT_TRUE(DibMemory(plain) == DibMemory(bitmap));
    }
}

TEST(LMBitmapFile, ACompanionNameOverAPathBufferIsNotUsed)
{
    TempFolder folder;
    // The main path has 254 characters, its companion's would have 260.
    size_t nameLength = 254 - folder.Path().size() - 1;
    ASSERT_GT(nameLength, 5u);
    std::wstring stem(nameLength - 4, L'n');
    std::wstring path = folder.File(stem + L".jpg");
    std::wstring companion = L"\\\\?\\" + folder.File(stem + L"#MASK#.jpg");
    ASSERT_TRUE(WriteFileBytes(path, MainJpeg()));
    ASSERT_TRUE(WriteFileBytes(companion, MaskJpeg()));
    LMBitmap bitmap(path.c_str(), 0);
    ASSERT_TRUE(bitmap.HasPixels());
    EXPECT_EQ(0, bitmap.HasAlpha);
    EXPECT_EQ("3C 3C 3C 00", PixelBytes(bitmap, 0, 0));
    EXPECT_TRUE(DeleteFileW(companion.c_str()));
}

TEST(LMBitmapFile, AFailedMainJpegIgnoresItsCompanion)
{
    TempFolder folder;
    ASSERT_TRUE(WriteFileBytes(folder.File(L"c.jpg"), Bytes{'b', 'a', 'd'}));
    ASSERT_TRUE(WriteFileBytes(folder.File(L"c#MASK#.jpg"), MaskJpeg()));
    MessageBoxRecorder recorder;
    LMBitmap bitmap(folder.File(L"c.jpg").c_str(), 0);
    ExpectNoHandle(bitmap);
    EXPECT_EQ(0u, recorder.Boxes().size());
}
