#include "ContainerBytes.h"
#include "ThemeTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

std::unique_ptr<LMBitmap> Strip(int width, int height, uint32_t base)
{
    std::vector<uint32_t> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.push_back(base + static_cast<uint32_t>(i));
    return MakeTestBitmap(width, height, LMBitmapHasAlpha, pixels);
}

template <typename Entry>
std::unique_ptr<Entry> Animated(const wchar_t* name, uint32_t base, int frames = 2)
{
    return MakeAnimatedEntry<Entry>(Strip(4, 2, base), name, frames);
}

std::unique_ptr<CThemeCursor> AnimatedCursor(int32_t role, int32_t state, uint32_t base)
{
    auto cursor = Animated<CThemeCursor>(L"cursor", base);
    cursor->Role = role;
    cursor->State = state;
    cursor->Group = 1;
    return cursor;
}

std::string Saved(const CTheme& theme, int compress)
{
    TempFolder folder;
    std::wstring path = folder.File(L"w.trivane");
    EXPECT_EQ(1, const_cast<CTheme&>(theme).Save(path.c_str(), compress));
    std::string bytes;
    EXPECT_TRUE(ReadBytesFromFile(path, &bytes));
    return bytes;
}

struct RecordRef {
    uint32_t Kind;
    uint32_t Key; // Role for cursors, Slot otherwise
    size_t Start; // offset in the file
};

std::vector<RecordRef> Records(const std::string& file)
{
    std::vector<RecordRef> records;
    size_t position = 184 + GetU32(file, 180);
    while (position + 16 <= file.size()) {
        records.push_back({ GetU32(file, position), GetU32(file, position + 16), position });
        position += GetU32(file, position + 8);
    }
    return records;
}

} // namespace

TEST(ContainerWrite, HeaderAndTextsFollowTheLayout)
{
    CTheme theme;
    theme.Name = DuplicateText(L"N");
    theme.Version = DuplicateText(L"");
    theme.Website = DuplicateText(L"W");
    theme.Description = DuplicateText(L"Desc");
    theme.AddCursor(AnimatedCursor(0, 1, 0x10));
    std::string file = Saved(theme, 0);

    ASSERT_GE(file.size(), 184u);
    EXPECT_EQ(1u, GetU32(file, 0));
    EXPECT_EQ(184u, GetU32(file, 4));
    EXPECT_EQ(file.size() - 184, GetU32(file, 8));
    EXPECT_EQ(2002u, GetU32(file, 12));
    std::string notice = file.substr(16, 88);
    size_t nul = notice.find('\0');
    ASSERT_NE(std::string::npos, nul);
    EXPECT_GT(nul, 0u);
    EXPECT_EQ(std::string(88 - nul, '\0'), notice.substr(nul));
    EXPECT_EQ(1u, GetU32(file, 104));
    uint32_t reserved[]
        = { GetU32(file, 108), GetU32(file, 112), GetU32(file, 116), GetU32(file, 124) };
    EXPECT_EQ(0u, reserved[0]);
    EXPECT_EQ(0u, reserved[1]);
    EXPECT_EQ(1u, reserved[2]);
    EXPECT_EQ(0u, reserved[3]);
    EXPECT_EQ(0u, GetU32(file, 120));

    // Name, Author, Version, Website, Email, Description as {Offset, Length}.
    uint32_t spans[] = { 0, 4, 4, 0, 4, 2, 6, 4, 10, 0, 10, 10 };
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(spans[i], GetU32(file, 132 + 4 * i));
    }
    EXPECT_EQ(20u, GetU32(file, 180));
    EXPECT_EQ(Utf16Bytes(L"N") + Utf16Bytes(L"") + Utf16Bytes(L"W") + Utf16Bytes(L"Desc"),
        file.substr(184, 20));
}

TEST(ContainerWrite, RecordsGoInKindAndSlotOrder)
{
    CTheme theme;
    theme.AddCursor(AnimatedCursor(3, 2, 0x100));
    theme.AddCursor(AnimatedCursor(0, 1, 0x200));
    theme.SetEffect(5, Animated<CThemeEffect>(L"Default", 0x300));
    theme.SetEffect(1, Animated<CThemeEffect>(L"Default", 0x400));
    theme.GetEffect(5)->Slot = 5;
    theme.GetEffect(1)->Slot = 1;
    theme.SetTrail(2, Animated<CThemeTrail>(L"Default", 0x500));
    theme.SetTrail(0, Animated<CThemeTrail>(L"Default", 0x600));
    theme.GetTrail(2)->Slot = 2;
    for (int slot : { 7, 0 }) {
        theme.Sounds[slot] = std::make_unique<CThemeSound>();
        theme.Sounds[slot]->Assign(reinterpret_cast<const uint8_t*>("wave"), 4);
    }
    std::vector<RecordRef> records = Records(Saved(theme, 0));
    std::vector<std::pair<uint32_t, uint32_t>> order;
    for (const RecordRef& record : records)
        order.emplace_back(record.Kind, record.Key);
    std::vector<std::pair<uint32_t, uint32_t>> expected
        = { { 2, 3 }, { 2, 0 }, { 4, 1 }, { 4, 5 }, { 16, 0 }, { 16, 7 }, { 8, 0 }, { 8, 2 } };
    EXPECT_EQ(expected, order);
}

TEST(ContainerWrite, CursorRecordFieldsScriptAndPixels)
{
    CTheme theme;
    auto cursor = AnimatedCursor(9, 2, 0xAA000000);
    cursor->StdCursor = 0;
    cursor->Interval = 70;
    cursor->Alternate = 1;
    cursor->Loop = 1;
    cursor->HotSpotX = 2;
    cursor->HotSpotY = 1;
    cursor->Script = DuplicateText(L"1-2");
    cursor->Animation->InsetLeft = 4;
    cursor->Animation->InsetTop = 3;
    const LMBitmap& bitmap = *cursor->Animation->Bitmap;
    std::string bottomUp;
    for (int y = 1; y >= 0; --y)
        bottomUp.append(reinterpret_cast<const char*>(bitmap.Row(y)), 16);
    theme.AddCursor(std::move(cursor));
    std::string file = Saved(theme, 0);
    size_t r = Records(file).at(0).Start;

    uint32_t script = 8; // "1-2" and its NUL
    uint32_t fields[] = { 2, 76, 76 + script + 32, 2, 9, 2, 1, 2, 4, 2, 70, 1 | 2, 0, 2 + 4, 1 + 3,
        76 + script, 32, 76, script };
    for (int i = 0; i < 19; ++i) {
        SCOPED_TRACE(i * 4);
        EXPECT_EQ(fields[i], GetU32(file, r + 4 * i));
    }
    EXPECT_EQ(Utf16Bytes(L"1-2"), file.substr(r + 76, script));
    EXPECT_EQ(bottomUp, file.substr(r + 76 + script, 32));
}

TEST(ContainerWrite, TrailRecordsCarryTrailsPerSecond)
{
    CTheme theme;
    auto slow = Animated<CThemeTrail>(L"Default", 1);
    slow->Slot = 1;
    slow->TrailsPerSecond = 0;
    auto fast = Animated<CThemeTrail>(L"Default", 2);
    fast->Slot = 2;
    fast->TrailsPerSecond = 35;
    theme.SetTrail(1, std::move(slow));
    theme.SetTrail(2, std::move(fast));
    std::string file = Saved(theme, 0);
    std::vector<RecordRef> records = Records(file);
    ASSERT_EQ(2u, records.size());
    uint32_t expected[] = { 20, 35 };
    for (size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        size_t r = records[i].Start;
        EXPECT_EQ(8u, GetU32(file, r));
        EXPECT_EQ(100u, GetU32(file, r + 4));
        EXPECT_EQ(3u, GetU32(file, r + 12));
        EXPECT_EQ(100u, GetU32(file, r + 52)); // pixels right after the head
        EXPECT_EQ(100u, GetU32(file, r + 60));
        EXPECT_EQ(0u, GetU32(file, r + 64));
        EXPECT_EQ(expected[i], GetU32(file, r + 68));
        EXPECT_EQ(std::string(28, '\0'), file.substr(r + 72, 28));
    }
}

TEST(ContainerWrite, PlaceholdersAndEntriesWithoutImagesAreSkipped)
{
    CTheme theme;
    theme.AddCursor(MakeCursor(0, 1, 1));
    auto placeholder = AnimatedCursor(1, 1, 5);
    placeholder->Animation->Name = L"NA";
    theme.AddCursor(std::move(placeholder));
    theme.SetEffect(0, Animated<CThemeEffect>(L"NA", 6));
    theme.SetEffect(1, std::make_unique<CThemeEffect>());
    theme.SetTrail(0, Animated<CThemeTrail>(L"Default", 7));
    std::string file = Saved(theme, 0);
    std::vector<RecordRef> records = Records(file);
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ(8u, records[0].Kind);
    EXPECT_EQ(static_cast<uint32_t>(ThemeHasTrails), GetU32(file, 104));
}

TEST(ContainerWrite, CompressedFilesReadBackToTheSameEntries)
{
    CTheme theme;
    theme.Name = DuplicateText(L"Round trip");
    theme.Author = DuplicateText(L"Someone");
    auto cursor = AnimatedCursor(4, 2, 0x80000000);
    cursor->Script = DuplicateText(L"2;1,40");
    cursor->Reverse = 1;
    theme.AddCursor(std::move(cursor));
    theme.SetEffect(8, Animated<CThemeEffect>(L"Default", 0x40000000));
    theme.GetEffect(8)->Slot = 8;
    theme.Sounds[3] = std::make_unique<CThemeSound>();
    theme.Sounds[3]->Assign(reinterpret_cast<const uint8_t*>("RIFFdata"), 8);

    TempFolder folder;
    for (int compress : { 0, 1 }) {
        SCOPED_TRACE(compress);
        std::wstring path = folder.File(compress ? L"c.trivane" : L"s.trivane");
        ASSERT_EQ(1, theme.Save(path.c_str(), compress));
        std::string bytes;
        ASSERT_TRUE(ReadBytesFromFile(path, &bytes));
        uint32_t compressedSize = GetU32(bytes, 120);
        EXPECT_EQ(compress ? 184u + compressedSize : 184u + GetU32(bytes, 8), bytes.size());
        EXPECT_EQ(compress != 0, compressedSize != 0);

        CTheme loaded;
        ASSERT_EQ(1, loaded.Load(path.c_str(), 0));
        EXPECT_EQ(ThemeHasCursors | ThemeHasEffects | ThemeHasSounds, loaded.ContentFlags);
        EXPECT_STREQ(L"Round trip", loaded.Name.get());
        EXPECT_STREQ(L"Someone", loaded.Author.get());
        const CThemeCursor* read = loaded.FindCursor(4, 2, 1);
        ASSERT_NE(nullptr, read);
        EXPECT_STREQ(L"2;1,40", read->Script.get());
        EXPECT_EQ(1, read->Reverse);
        EXPECT_EQ(2, read->Frames);
        ASSERT_NE(nullptr, read->Animation.get());
        EXPECT_EQ(0x80000005u, PixelOf(*read->Animation->Bitmap, 1, 1));
        ASSERT_NE(nullptr, loaded.GetEffect(8));
        ASSERT_NE(nullptr, loaded.GetSound(3));
        EXPECT_EQ(0, std::memcmp("RIFFdata", loaded.GetSound(3)->Data.get(), 8));
    }
}

TEST(ContainerWrite, SavingLeavesTheThemeAsItWas)
{
    CTheme theme;
    theme.ContentFlags = ThemeHasSounds;
    theme.AddCursor(AnimatedCursor(0, 1, 0x20406080));
    Saved(theme, 1);
    EXPECT_EQ(ThemeHasSounds, theme.ContentFlags);
    EXPECT_EQ(0, theme.GetCursorAt(0)->Animation->Bitmap->Premultiplied);
    EXPECT_EQ(0x20406080u, PixelOf(*theme.GetCursorAt(0)->Animation->Bitmap, 0, 0));
}
