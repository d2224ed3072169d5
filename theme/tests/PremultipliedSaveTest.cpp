// One header flag covers every image of a file, so the writer brings mixed
// images to one form in copies, and the reloaded theme draws as the original.

#include "ContainerBytes.h"
#include "DibCanvas.h"
#include "SoftwareBlendScope.h"
#include "LMProcs.h"
#include "LMToolkit.h"
#include "ThemeTestSupport.h"

#include <gtest/gtest.h>

namespace
{

constexpr uint32_t kPremultipliedA = 0x80102040;
constexpr uint32_t kStraightB = 0x40F0783C; // B 60, G 120, R 240, A 64
constexpr uint32_t kMagenta = 0x00FF00FF;
constexpr uint32_t kDarkNoAlpha = 0x001E140A; // B 10, G 20, R 30, A 0

std::unique_ptr<CThemeCursor> CursorOf(int32_t role, std::unique_ptr<LMBitmap> bitmap)
{
    auto cursor = MakeAnimatedEntry<CThemeCursor>(std::move(bitmap), L"c");
    cursor->Role = role;
    cursor->State = 1;
    cursor->Group = 1;
    return cursor;
}

void BuildMixedTheme(CTheme* theme)
{
    theme->AddCursor(CursorOf(
        0, MakeTestBitmap(1, 1, LMBitmapHasAlpha | LMBitmapPremultiplied, { kPremultipliedA })));
    theme->AddCursor(CursorOf(1, MakeTestBitmap(1, 1, LMBitmapHasAlpha, { kStraightB })));
    auto effect = MakeAnimatedEntry<CThemeEffect>(
        MakeTestBitmap(2, 1, 0, { kMagenta, kDarkNoAlpha }), L"Default");
    theme->SetEffect(0, std::move(effect));
}

// Pixels of the first image record of a kind (cursors by role).
std::string PixelBytes(const std::string& file, uint32_t kind, uint32_t key)
{
    size_t position = 184 + GetU32(file, 180);
    while (position + 16 <= file.size()) {
        if (GetU32(file, position) == kind && GetU32(file, position + 16) == key) {
            size_t fields = kind == 2 ? 60 : 52;
            return file.substr(
                position + GetU32(file, position + fields), GetU32(file, position + fields + 4));
        }
        position += GetU32(file, position + 8);
    }
    return std::string();
}

std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (int value : values)
        bytes.push_back(static_cast<char>(value));
    return bytes;
}

// What a bitmap looks like drawn over a grey background.
std::vector<uint32_t> DrawnOverGrey(LMBitmap& bitmap)
{
    DibCanvas canvas(bitmap.Width, bitmap.Height);
    canvas.Fill(0x00808080);
    bitmap.Draw(canvas.Dc(), 0, 0, bitmap.Width, bitmap.Height, 0, 0, 255, 0);
    std::vector<uint32_t> pixels;
    for (int x = 0; x < bitmap.Width; ++x)
        pixels.push_back(canvas.Pixel(x, 0));
    return pixels;
}

} // namespace

TEST(PremultipliedSave, MixedImagesGoOutPremultipliedInCopies)
{
    CTheme theme;
    BuildMixedTheme(&theme);
    TempFolder folder;
    std::wstring path = folder.File(L"mixed.trivane");
    ASSERT_EQ(1, theme.Save(path.c_str(), 0));
    std::string file;
    ASSERT_TRUE(ReadBytesFromFile(path, &file));

    EXPECT_EQ(1u, GetU32(file, 128));
    EXPECT_EQ(Bytes({ 0x40, 0x20, 0x10, 0x80 }), PixelBytes(file, 2, 0));
    EXPECT_EQ(Bytes({ 0x0F, 0x1E, 0x3C, 0x40 }), PixelBytes(file, 2, 1));
    EXPECT_EQ(Bytes({ 0, 0, 0, 0, 0x0A, 0x14, 0x1E, 0xFF }), PixelBytes(file, 4, 0));

    // The theme in memory is untouched.
    const LMBitmap& b = *theme.FindCursor(1, 1, 1)->Animation->Bitmap;
    EXPECT_EQ(kStraightB, PixelOf(b, 0, 0));
    EXPECT_EQ(0, b.Premultiplied);
    const LMBitmap& c = *theme.GetEffect(0)->Animation->Bitmap;
    EXPECT_EQ(0, c.HasAlpha);
    EXPECT_EQ(kMagenta, PixelOf(c, 0, 0));
}

TEST(PremultipliedSave, ReloadedImagesDrawLikeTheOriginals)
{
    SoftwareBlendScope software;
    CTheme theme;
    BuildMixedTheme(&theme);
    TempFolder folder;
    std::wstring path = folder.File(L"mixed.trivane");
    ASSERT_EQ(1, theme.Save(path.c_str(), 1));
    CTheme loaded;
    ASSERT_EQ(1, loaded.Load(path.c_str(), 0));

    struct Case {
        const char* Name;
        LMBitmap* Original;
        LMBitmap* Reloaded;
    } cases[] = {
        { "premultiplied A", theme.FindCursor(0, 1, 1)->Animation->Bitmap,
            loaded.FindCursor(0, 1, 1)->Animation->Bitmap },
        { "straight B", theme.FindCursor(1, 1, 1)->Animation->Bitmap,
            loaded.FindCursor(1, 1, 1)->Animation->Bitmap },
        { "no-alpha C", theme.GetEffect(0)->Animation->Bitmap,
            loaded.GetEffect(0)->Animation->Bitmap },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ASSERT_NE(nullptr, c.Reloaded);
        EXPECT_EQ(DrawnOverGrey(*c.Original), DrawnOverGrey(*c.Reloaded));
    }
}

TEST(PremultipliedSave, AllStraightThemesGoOutAsTheyAre)
{
    CTheme theme;
    theme.AddCursor(CursorOf(1, MakeTestBitmap(1, 1, LMBitmapHasAlpha, { kStraightB })));
    TempFolder folder;
    std::wstring path = folder.File(L"straight.trivane");
    ASSERT_EQ(1, theme.Save(path.c_str(), 0));
    std::string file;
    ASSERT_TRUE(ReadBytesFromFile(path, &file));
    EXPECT_EQ(0u, GetU32(file, 128));
    EXPECT_EQ(Bytes({ 0x3C, 0x78, 0xF0, 0x40 }), PixelBytes(file, 2, 1));
}
