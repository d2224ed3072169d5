#include "LMFontCache.h"
#include "LMToolkit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{

LOGFONTA FontDescription(HFONT font)
{
    LOGFONTA description {};
    GetObjectA(font, sizeof(description), &description);
    return description;
}

std::string FaceField(const char (&field)[LF_FACESIZE])
{
    return std::string(field, field + LF_FACESIZE);
}

// The expected 32-byte face field: the bytes, then zeros.
std::string Padded(const std::string& bytes)
{
    return bytes + std::string(LF_FACESIZE - bytes.size(), '\0');
}

} // namespace

TEST(LMFontCacheKey, KeysOfKnownDescriptions)
{
    struct Case {
        const char* name;
        int size, bold, italic;
        uint32_t key;
    } cases[] = {
        { "bold 10", 10, 1, 0, 0xFDC7A0CAu },
        { "bold italic 10", 10, 1, 1, 0xF10430E0u },
        { "any non-zero italic", 10, 1, 7, 0xF10430E0u },
        { "bold -13 pixels", -13, 1, 0, 0xD3D80479u },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.key, LMFontCache::FontKey(L"Tahoma", c.size, c.bold, c.italic, 0, 1, 0));
    }
}

TEST(LMFontCacheKey, DescriptionIsDefinedInEveryByte)
{
    LOGFONTA font = LMFontCache::Describe(L"Tahoma", 9, 0, 3, 5, 2, 4);
    EXPECT_EQ(9, font.lfHeight);
    EXPECT_EQ(FW_NORMAL, font.lfWeight);
    EXPECT_EQ(1, font.lfItalic);
    EXPECT_EQ(1, font.lfUnderline);
    EXPECT_EQ(0, font.lfStrikeOut);
    EXPECT_EQ(2, font.lfCharSet);
    EXPECT_EQ(4, font.lfQuality);
    EXPECT_EQ(Padded("Tahoma"), FaceField(font.lfFaceName));
}

TEST(LMFontCache, EqualRequestsShareOneFont)
{
    LMFontCache cache;
    HFONT first = cache.GetFont(L"Tahoma", 10, 1, 0, 0, 1, 0);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, cache.GetFont(L"Tahoma", 10, 1, 0, 0, 1, 0));
    HFONT italic = cache.GetFont(L"Tahoma", 10, 1, 1, 0, 1, 0);
    EXPECT_NE(nullptr, italic);
    EXPECT_NE(first, italic);
    EXPECT_EQ(italic, cache.GetFont(L"Tahoma", 10, 1, 7, 0, 1, 0));
    EXPECT_EQ(2u, cache.Count());
}

TEST(LMFontCache, PointsAndPixelsAreSeparateEntries)
{
    LMFontCache cache;
    HFONT points = cache.GetFont(L"Tahoma", 10, 0, 0, 0, 1, 0);
    HFONT pixels = cache.GetFont(L"Tahoma", -13, 0, 0, 0, 1, 0);
    ASSERT_NE(nullptr, points);
    ASSERT_NE(nullptr, pixels);
    EXPECT_NE(points, pixels);
    // Ten points at 96 pixels per inch.
    EXPECT_EQ(-13, FontDescription(points).lfHeight);
    EXPECT_EQ(-13, FontDescription(pixels).lfHeight);
    EXPECT_EQ(FW_NORMAL, FontDescription(points).lfWeight);
}

TEST(LMFontCache, LongFaceSharesTheFontOfItsFirst31Characters)
{
    const std::wstring face = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn"; // 40 characters
    ASSERT_EQ(40u, face.size());
    LMFontCache cache;
    HFONT whole = cache.GetFont(face.c_str(), 10, 0, 0, 0, 1, 0);
    EXPECT_EQ(whole, cache.GetFont(face.substr(0, 31).c_str(), 10, 0, 0, 0, 1, 0));
    EXPECT_EQ(1u, cache.Count());
    LOGFONTA font = LMFontCache::Describe(face.c_str(), 10, 0, 0, 0, 1, 0);
    EXPECT_EQ(Padded("ABCDEFGHIJKLMNOPQRSTUVWXYZabcde"), FaceField(font.lfFaceName));
}

TEST(LMFontCache, CollidingKeysShareTheFirstFont)
{
    // Two faces whose descriptions hash to the same key, 0xFA221BBE.
    ASSERT_EQ(0xFA221BBEu, LMFontCache::FontKey(L"Face70439", 10, 0, 0, 0, 1, 0));
    ASSERT_EQ(0xFA221BBEu, LMFontCache::FontKey(L"Face85825", 10, 0, 0, 0, 1, 0));
    LMFontCache cache;
    HFONT first = cache.GetFont(L"Face70439", 10, 0, 0, 0, 1, 0);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, cache.GetFont(L"Face85825", 10, 0, 0, 0, 1, 0));
    EXPECT_STREQ("Face70439", FontDescription(first).lfFaceName);
}

TEST(LMFontCache, EmptyAndMissingFacesGetTheDefaultFace)
{
    LMFontCache cache;
    HFONT empty = cache.GetFont(L"", 10, 0, 0, 0, 1, 0);
    EXPECT_NE(nullptr, empty);
    EXPECT_EQ(empty, cache.GetFont(nullptr, 10, 0, 0, 0, 1, 0));
    EXPECT_EQ(Padded(""), FaceField(LMFontCache::Describe(nullptr, 1, 0, 0, 0, 0, 0).lfFaceName));
}

TEST(LMFontCache, VeryLongFacesAreCutWithoutOverrun)
{
    std::wstring face(100000, L'x');
    LMFontCache cache;
    EXPECT_NE(nullptr, cache.GetFont(face.c_str(), 10, 0, 0, 0, 1, 0));
    EXPECT_EQ(Padded(std::string(31, 'x')),
        FaceField(LMFontCache::Describe(face.c_str(), 10, 0, 0, 0, 1, 0).lfFaceName));
}

TEST(LMFontCache, TheProcessWideCacheIsOneObjectAndOutlivesARestart)
{
    LMFontCache& cache = LMFontCache::Instance();
    EXPECT_EQ(&cache, &LMFontCache::Instance());
    HFONT font = cache.GetFont(L"Tahoma", 12, 0, 0, 1, 1, 0);
    // The settings page starts the toolkit again with every page it creates.
    ASSERT_EQ(1, LMInitialize(GetModuleHandleW(nullptr), L"TrivaneToolkitTests", 0));
    EXPECT_EQ(font, LMFontCache::Instance().GetFont(L"Tahoma", 12, 0, 0, 1, 1, 0));
}

TEST(LMFontFaceToAnsi, CutsOnACharacterBoundary)
{
    const std::wstring hiragana(20, L'\x3042'); // two bytes each in code page 932
    const std::string twoBytes = "\x82\xa0";
    std::string fifteen;
    for (int i = 0; i < 15; ++i)
        fifteen += twoBytes;
    struct Case {
        const char* name;
        std::wstring face;
        std::string expected;
    } cases[] = {
        { "double-byte characters stop at 30 bytes", hiragana, fifteen },
        { "one byte first fills all 31", L"A" + hiragana, "A" + fifteen },
        { "31 single bytes", std::wstring(31, L'q'), std::string(31, 'q') },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        char field[LF_FACESIZE];
        std::memset(field, 0x55, sizeof(field));
        LMFontFaceToAnsi(c.face.c_str(), 932, field);
        EXPECT_EQ(Padded(c.expected), FaceField(field));
    }
}

TEST(LMFontFaceToAnsi, CharactersOutsideTheCodePageBecomeItsDefault)
{
    char field[LF_FACESIZE];
    LMFontFaceToAnsi(L"Font\x4E00\x4E01", 1252, field);
    EXPECT_EQ(Padded("Font??"), FaceField(field));
    LMFontCache cache;
    EXPECT_NE(nullptr, cache.GetFont(L"Font\x4E00\x4E01", 10, 0, 0, 0, 1, 0));
}
