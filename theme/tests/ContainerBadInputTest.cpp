// Damaged ".Trivane" files: a clear result, nothing half-made, no crash.

#include "ContainerBytes.h"
#include "ThemeTestSupport.h"

#include <gtest/gtest.h>

namespace
{

constexpr uint32_t kEdgeValues[] = { 0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF };

ImageRecordPlan SmallCursor(uint32_t role)
{
    ImageRecordPlan cursor;
    cursor.Role = role;
    cursor.Frames = 2;
    cursor.Width = 4;
    cursor.Height = 2;
    cursor.Script = L"1-2";
    cursor.Pixels = PatternPixels(4, 2, static_cast<uint8_t>(role));
    return cursor;
}

ContainerLayout TwoCursors(bool compressed = false)
{
    ContainerPlan plan;
    plan.Texts[0] = L"Ice";
    plan.ContentFlags = 1;
    plan.Compressed = compressed;
    plan.Records = { ImageRecord(SmallCursor(1)), ImageRecord(SmallCursor(2)) };
    return BuildContainer(plan);
}

class ContainerBadInput : public ::testing::Test
{
protected:
    int Load(const std::string& bytes, CTheme* theme)
    {
        std::wstring path = WriteTestFile(folder_, L"bad.trivane", bytes);
        return theme->Load(path.c_str(), 0);
    }

    // The file with the record's field at `offset` (from the record start) set.
    std::string WithRecordField(
        ContainerLayout layout, size_t record, size_t offset, uint32_t value)
    {
        PutU32(&layout.File, 184 + layout.RecordOffsets.at(record) + offset, value);
        return layout.File;
    }

    TempFolder folder_;
};

} // namespace

TEST_F(ContainerBadInput, FilesShorterThanTheHeaderAreRefused)
{
    std::string file = TwoCursors().File;
    for (size_t size : { 0, 1, 4, 183 }) {
        SCOPED_TRACE(size);
        CTheme theme;
        EXPECT_EQ(0, Load(file.substr(0, size), &theme));
        EXPECT_EQ(0, theme.CursorCount());
        EXPECT_EQ(nullptr, theme.Name.get());
        EXPECT_EQ(0, theme.PeekKind(folder_.File(L"bad.trivane").c_str()));
    }
}

TEST_F(ContainerBadInput, StoredBodySizeBeyondTheLimitIsRefused)
{
    ContainerLayout layout = TwoCursors();
    for (uint32_t value : kEdgeValues) {
        SCOPED_TRACE(value);
        std::string file = layout.File;
        PutU32(&file, 8, value);
        CTheme theme;
        int result = Load(file, &theme);
        if (value > 256u * 1024 * 1024) {
            EXPECT_EQ(0, result);
            EXPECT_EQ(0, theme.CursorCount());
        } else {
            // Only the bytes the size covers are read: no text, no record fits.
            EXPECT_EQ(1, result);
            EXPECT_EQ(0, theme.CursorCount());
            EXPECT_STREQ(L"bad", theme.Name.get());
        }
    }
}

TEST_F(ContainerBadInput, AStoredBodyCutShortKeepsTheEntriesReadSoFar)
{
    ContainerLayout layout = TwoCursors();
    size_t secondRecord = 184 + layout.RecordOffsets[1];
    for (size_t cut :
        { secondRecord, secondRecord + 8, secondRecord + 80, layout.File.size() - 1 }) {
        SCOPED_TRACE(cut);
        CTheme theme;
        ASSERT_EQ(1, Load(layout.File.substr(0, cut), &theme));
        EXPECT_EQ(1, theme.CursorCount());
        EXPECT_NE(nullptr, theme.FindCursor(1, 1, 1));
        EXPECT_STREQ(L"Ice", theme.Name.get());
    }
}

TEST_F(ContainerBadInput, CompressedSizesAreCheckedBeforeInflating)
{
    ContainerLayout layout = TwoCursors(true);
    uint32_t compressedSize = GetU32(layout.File, 120);
    struct Case {
        const char* Name;
        size_t Offset;
        uint32_t Value;
    } cases[] = {
        { "compressed size past the file", 120, compressedSize + 1 },
        { "compressed size 0x7FFFFFFF", 120, 0x7FFFFFFF },
        { "compressed size 0xFFFFFFFF", 120, 0xFFFFFFFF },
        { "body beyond the inflate ratio", 8, compressedSize * 1033 },
        { "body too small for the stream", 8, GetU32(layout.File, 8) - 1 },
        { "body larger than the stream", 8, GetU32(layout.File, 8) + 1 },
        { "body size 0", 8, 0 },
        { "compressed size 1", 120, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        std::string file = layout.File;
        PutU32(&file, c.Offset, c.Value);
        CTheme theme;
        EXPECT_EQ(0, Load(file, &theme));
        EXPECT_EQ(0, theme.CursorCount());
        EXPECT_EQ(nullptr, theme.Name.get());
        EXPECT_EQ(0, theme.ContentFlags);
    }
}

TEST_F(ContainerBadInput, GarbageAndCutStreamsAddNothing)
{
    ContainerLayout layout = TwoCursors(true);
    std::string garbage = layout.File;
    for (size_t i = 190; i < garbage.size(); i += 3)
        garbage[i] = static_cast<char>(garbage[i] ^ 0x5A);
    std::string cut = layout.File.substr(0, layout.File.size() - 10);
    PutU32(&cut, 120, GetU32(cut, 120) - 10);
    std::string truncated = layout.File.substr(0, layout.File.size() - 10);
    for (const std::string* file : { &garbage, &cut, &truncated }) {
        CTheme theme;
        theme.ContentFlags = 8;
        EXPECT_EQ(0, Load(*file, &theme));
        EXPECT_EQ(0, theme.CursorCount());
        EXPECT_EQ(nullptr, theme.Name.get());
        EXPECT_EQ(8, theme.ContentFlags);
    }
}

TEST_F(ContainerBadInput, TextsOutsideTheBodyAreLeftOut)
{
    ContainerLayout layout = TwoCursors();
    uint32_t bodySize = GetU32(layout.File, 8);
    struct Case {
        uint32_t Offset;
        uint32_t Length;
        const wchar_t* Name; // null: absent, so the file title
    } cases[] = {
        { 0, 7, L"Ic" }, // an odd length keeps whole characters, the last made NUL
        { 0, 1, L"bad" }, // no whole character: an empty name, so the file title
        { bodySize - 2, 2, L"bad" },
        { bodySize - 1, 2, L"bad" },
        { bodySize, 2, L"bad" },
        { 0x7FFFFFFF, 8, L"bad" },
        { 0xFFFFFFFF, 2, L"bad" },
        { 0, 0xFFFFFFFF, L"bad" },
        { 2, 0x80000000, L"bad" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Offset);
        SCOPED_TRACE(c.Length);
        std::string file = layout.File;
        PutU32(&file, 132, c.Offset);
        PutU32(&file, 136, c.Length);
        CTheme theme;
        ASSERT_EQ(1, Load(file, &theme));
        EXPECT_STREQ(c.Name, theme.Name.get());
        EXPECT_EQ(2, theme.CursorCount());
    }
}

TEST_F(ContainerBadInput, RecordsThatDoNotFitEndTheLoop)
{
    ContainerLayout layout = TwoCursors();
    uint32_t bodySize = GetU32(layout.File, 8);
    struct Case {
        const char* Name;
        size_t Record;
        size_t Offset;
        uint32_t Value;
        int Cursors;
    } cases[] = {
        { "total size 0", 0, 8, 0, 0 },
        { "total size 15", 0, 8, 15, 0 },
        { "total size below the cursor head", 0, 8, 75, 0 },
        { "total size past the body", 1, 8, bodySize, 1 },
        { "total size 0xFFFFFFFF", 1, 8, 0xFFFFFFFF, 1 },
        { "total size 0x80000000", 0, 8, 0x80000000, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        CTheme theme;
        ASSERT_EQ(1, Load(WithRecordField(layout, c.Record, c.Offset, c.Value), &theme));
        EXPECT_EQ(c.Cursors, theme.CursorCount());
        EXPECT_EQ(c.Cursors ? ThemeHasCursors : 0, theme.ContentFlags);
    }
}

TEST_F(ContainerBadInput, RecordsOffsetsOutsideTheBodyReadNoRecords)
{
    ContainerLayout layout = TwoCursors();
    for (uint32_t value : { GetU32(layout.File, 8), 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu }) {
        SCOPED_TRACE(value);
        std::string file = layout.File;
        PutU32(&file, 180, value);
        CTheme theme;
        ASSERT_EQ(1, Load(file, &theme));
        EXPECT_EQ(0, theme.CursorCount());
        EXPECT_EQ(0, theme.ContentFlags);
        EXPECT_STREQ(L"Ice", theme.Name.get());
    }
}

TEST_F(ContainerBadInput, ImagesOutsideTheirRecordAreLeftOut)
{
    ContainerLayout layout = TwoCursors();
    // Offsets in a cursor record: 28 Frames, 32 Width, 36 Height, 60 PixelsOffset,
    // 64 PixelsSize, 68 ScriptOffset, 72 ScriptSize.
    struct Case {
        size_t Offset;
        uint32_t Value;
        bool Animation;
        bool Script;
    } cases[] = {
        { 32, 0, false, true },
        { 32, 3, false, true },
        { 32, 0x7FFFFFFF, false, true },
        { 36, 0, false, true },
        { 36, 0xFFFFFFFF, false, true },
        { 60, 0, false, true },
        { 60, 75, false, true },
        { 60, 0x80000000, false, true },
        { 64, 0, false, true },
        { 64, 1, false, true },
        { 64, 0xFFFFFFFF, false, true },
        { 68, 0, true, false },
        { 68, 0xFFFFFFFF, true, false },
        { 72, 0, true, false },
        { 72, 0x7FFFFFFF, true, false },
        { 72, 1, true, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Offset);
        SCOPED_TRACE(c.Value);
        CTheme theme;
        ASSERT_EQ(1, Load(WithRecordField(layout, 0, c.Offset, c.Value), &theme));
        ASSERT_EQ(2, theme.CursorCount());
        const CThemeCursor* cursor = theme.GetCursorAt(0);
        EXPECT_EQ(c.Animation, cursor->Animation != nullptr);
        EXPECT_EQ(c.Script, cursor->Script != nullptr);
        EXPECT_NE(nullptr, theme.GetCursorAt(1)->Animation.get());
    }
}

TEST_F(ContainerBadInput, OddScriptSizesKeepWholeCharacters)
{
    ContainerLayout layout = TwoCursors();
    CTheme theme;
    // "1-2" with its NUL is 8 bytes; 7 keeps three characters, the last made NUL.
    ASSERT_EQ(1, Load(WithRecordField(layout, 0, 72, 7), &theme));
    ASSERT_NE(nullptr, theme.GetCursorAt(0)->Script.get());
    EXPECT_STREQ(L"1-", theme.GetCursorAt(0)->Script.get());
}

TEST_F(ContainerBadInput, FrameCountsOutsideTheStripBecomeOne)
{
    ContainerLayout layout = TwoCursors();
    for (uint32_t frames : { 0u, 5u, 0x80000000u, 0xFFFFFFFFu }) {
        SCOPED_TRACE(frames);
        CTheme theme;
        ASSERT_EQ(1, Load(WithRecordField(layout, 0, 28, frames), &theme));
        const CThemeCursor* cursor = theme.GetCursorAt(0);
        EXPECT_EQ(1, cursor->Frames);
        ASSERT_NE(nullptr, cursor->Animation.get());
        EXPECT_EQ(1, cursor->Animation->FrameCount);
        EXPECT_EQ(4, cursor->Animation->FrameWidth);
    }
}

TEST_F(ContainerBadInput, SoundDataOutsideItsRecordMakesNoSound)
{
    ContainerPlan plan;
    plan.Records = { SoundRecordBytes(2, "abcdef"), SoundRecordBytes(3, "ghij") };
    ContainerLayout layout = BuildContainer(plan);
    struct Case {
        size_t Offset; // 20 DataOffset, 24 DataSize
        uint32_t Value;
    } cases[] = {
        { 20, 0 },
        { 20, 27 },
        { 20, 29 },
        { 20, 0xFFFFFFFF },
        { 24, 7 },
        { 24, 0x7FFFFFFF },
        { 24, 0xFFFFFFFF },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Offset);
        SCOPED_TRACE(c.Value);
        CTheme theme;
        ASSERT_EQ(1, Load(WithRecordField(layout, 0, c.Offset, c.Value), &theme));
        EXPECT_EQ(nullptr, theme.GetSound(2));
        ASSERT_NE(nullptr, theme.GetSound(3));
        EXPECT_EQ(ThemeHasSounds, theme.ContentFlags);
    }
}
