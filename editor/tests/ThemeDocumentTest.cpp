// The theme document: placeholders, open and save, import, clear, copy and paste.

#include "ArchiveFixtures.h"
#include "EditorTestSupport.h"
#include "EditorTexts.h"
#include "LMMessageBox.h"
#include "ThemeContainer.h"

namespace {

ThemeFileHeader HeaderOf(const std::string& bytes)
{
    ThemeFileHeader header = {};
    EXPECT_TRUE(
        ReadThemeFileHeader(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &header));
    return header;
}

bool IsPlaceholder(const CThemeEntry* entry)
{
    return entry && entry->Animation && entry->Animation->Name == L"NA";
}

}  // namespace

TEST_F(EditorAppTest, ANewDocumentHoldsPlaceholdersEverywhereAndSavesAnEmptyContainer)
{
    ASSERT_TRUE(Start());
    CTheme& theme = *Document(0)->Theme;
    ASSERT_EQ(40, theme.CursorCount());
    for (int i = 0; i < 40; ++i) {
        SCOPED_TRACE(i);
        const CThemeCursor& cursor = *theme.GetCursorAt(i);
        EXPECT_EQ((std::vector<int>{i / 2, i % 2 + 1, 1, 1, 200, 1}),
                  (std::vector<int>{cursor.Role, cursor.State, cursor.Group, cursor.Frames,
                                    cursor.Interval, cursor.StdCursor}));
        EXPECT_EQ(std::to_wstring(i / 2) + L"-" + std::to_wstring(i % 2 + 1), cursor.SectionName);
        EXPECT_TRUE(IsPlaceholder(&cursor));
        EXPECT_EQ(LMHitNever, cursor.Animation->HitMode);
    }
    for (int slot = 0; slot < 9; ++slot) {
        EXPECT_TRUE(IsPlaceholder(theme.GetEffect(slot)));
        EXPECT_EQ(slot, theme.GetEffect(slot)->Slot);
    }
    for (int slot = 0; slot < 3; ++slot)
        EXPECT_TRUE(IsPlaceholder(theme.GetTrail(slot)));
    EXPECT_EQ(32, theme.GetCursorAt(0)->Animation->FrameWidth) << "the placeholder image";

    std::wstring path = folder_.File(L"Empty.Trivane");
    EXPECT_TRUE(Document(0)->DoSave(path.c_str(), TRUE));
    std::string bytes = FileBytes(path);
    ASSERT_EQ(192u, bytes.size());
    ThemeFileHeader header = HeaderOf(bytes);
    EXPECT_EQ((std::vector<uint32_t>{2002, 0, 0, 0, 8}),
              (std::vector<uint32_t>{header.Version, header.ContentFlags, header.BodySize,
                                     header.RecordsOffset, header.CompressedSize}));
    EXPECT_EQ(L"Empty.Trivane", Document(0)->GetTitle());
}

TEST_F(EditorAppTest, OpeningFillsWhatTheThemeLacksAndSavingWritesOnlyItsOwnRecords)
{
    ASSERT_TRUE(Start());
    CEditorMFCDoc* document = OpenDocument(WriteSmallTheme(L"Small.Trivane"));
    ASSERT_NE(nullptr, document);
    CTheme& theme = *document->Theme;
    ASSERT_EQ(40, theme.CursorCount());
    int placeholders = 0;
    for (int i = 0; i < theme.CursorCount(); ++i) {
        const CThemeCursor& cursor = *theme.GetCursorAt(i);
        if (!IsPlaceholder(&cursor))
            continue;
        ++placeholders;
        EXPECT_EQ(
            (std::vector<int>{50, 0, 1, 0}),
            (std::vector<int>{cursor.Interval, cursor.StdCursor, cursor.Group, cursor.HotSpotX}));
    }
    EXPECT_EQ(37, placeholders);
    for (int role = 0; role < 20; ++role) {
        EXPECT_NE(nullptr, document->FindCursor(role, 0));
        EXPECT_NE(nullptr, document->FindCursor(role, 1));
    }
    for (int slot = 0; slot < 9; ++slot)
        EXPECT_EQ(slot != 4, IsPlaceholder(theme.GetEffect(slot))) << slot;
    for (int slot = 0; slot < 3; ++slot)
        EXPECT_TRUE(IsPlaceholder(theme.GetTrail(slot)));

    std::wstring copy = folder_.File(L"Copy.Trivane");
    ASSERT_TRUE(document->DoSave(copy.c_str(), TRUE));
    EXPECT_EQ(3u, HeaderOf(FileBytes(copy)).ContentFlags);
    CTheme saved;
    ASSERT_EQ(1, saved.Load(copy.c_str(), 0));
    EXPECT_EQ(3, saved.CursorCount());
    EXPECT_NE(nullptr, saved.GetEffect(4));
    EXPECT_EQ(nullptr, saved.FirstTrail());
}

TEST_F(EditorAppTest, ImportTakesItsFrameCountFromTheImageOnlyIntoAPlaceholder)
{
    ASSERT_TRUE(Start());
    CEditorMFCDoc* document = Document(0);
    CThemeCursor* cursor = document->FindCursor(7, 1);
    cursor->HotSpotX = 3;
    cursor->HotSpotY = 4;
    std::string garbage = "\x89PNG not really";
    ASSERT_TRUE(WriteBytesToFile(folder_.File(L"garbage.png"), garbage.data(), garbage.size()));
    std::wstring longest = PathOfLength(folder_, 259, L".bmp");
    ASSERT_TRUE(CopyFileW(WriteBmp(L"small.bmp", 10, 30).c_str(), longest.c_str(), FALSE));

    enum Kind { Cursor, Effect, Trail };
    struct Row {
        Kind What;
        int Index;
        std::wstring Path;
        int Result;
        int Frames;
        int FrameWidth;
        const wchar_t* State;
    };
    const Row rows[] = {
        {Cursor, 7, WriteBmp(L"strip.bmp", 120, 24), 1, 5, 24, L"7-2"},
        {Cursor, 7, WriteBmp(L"wide.bmp", 200, 40), 1, 5, 40, L"7-2"},
        {Cursor, 8, folder_.File(L"small.bmp"), 1, 1, 10, L"8-2"},
        {Effect, 2, folder_.File(L"missing.bmp"), 0, 1, 32, L"NA"},
        {Trail, 1, folder_.File(L"garbage.png"), 0, 1, 32, L"NA"},
        {Effect, 3, WriteBmp(L"empty.bmp", 0, 0), 0, 1, 32, L"NA"},
        {Trail, 2, WriteBmp(L"tall.bmp", 1, 65535), 1, 1, 1, L"Default"},
        {Cursor, 0, PathOfLength(folder_, 300, L".bmp"), 0, 1, 32, L"NA"},
        {Cursor, 1, longest, 1, 1, 10, L"1-2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.Path));
        int result = row.What == Cursor
                         ? document->ImportCursorImage(row.Index, 1, row.Path.c_str())
                     : row.What == Effect ? document->ImportEffectImage(row.Index, row.Path.c_str())
                                          : document->ImportTrailImage(row.Index, row.Path.c_str());
        EXPECT_EQ(row.Result, result);
        CThemeEntry* entry = row.What == Cursor ? document->FindCursor(row.Index, 1)
                             : row.What == Effect
                                 ? static_cast<CThemeEntry*>(document->GetEffect(row.Index))
                                 : document->GetTrail(row.Index);
        ASSERT_TRUE(entry && entry->Animation);
        EXPECT_EQ(row.Frames, entry->Frames);
        EXPECT_EQ(row.FrameWidth, entry->Animation->FrameWidth);
        EXPECT_EQ(row.State, entry->Animation->Name);
    }
    EXPECT_EQ(LMHitNever, cursor->Animation->HitMode);
    EXPECT_EQ((std::vector<int>{-3, -4}),
              (std::vector<int>{cursor->Animation->OffsetX, cursor->Animation->OffsetY}));
    EXPECT_EQ(LMFrameLoop | LMFrameInterruptible, cursor->Animation->FrameFlags);
}

TEST_F(EditorAppTest, ClearingKeepsScriptIntervalAndHotSpot)
{
    ASSERT_TRUE(Start());
    CEditorMFCDoc* document = Document(0);
    ASSERT_EQ(1, document->ImportCursorImage(3, 0, WriteBmp(L"pair.bmp", 64, 32).c_str()));
    CThemeCursor* cursor = document->FindCursor(3, 0);
    ASSERT_EQ(2, cursor->Frames);
    cursor->Script = DuplicateText(L"1-2");
    cursor->Interval = 80;
    cursor->HotSpotX = 5;
    cursor->HotSpotY = 6;
    document->ClearCursor(3, 0);
    ASSERT_TRUE(IsPlaceholder(cursor));
    EXPECT_EQ((std::vector<int>{1, 1, 0, 80, 5, 6}),
              (std::vector<int>{cursor->Frames, cursor->Animation->FrameCount,
                                cursor->Animation->Animated, cursor->Interval, cursor->HotSpotX,
                                cursor->HotSpotY}));
    EXPECT_STREQ(L"1-2", cursor->Script.get());
}

TEST_F(EditorAppTest, CopyInOneDocumentPastesADeepCopyIntoAnother)
{
    ASSERT_TRUE(Start());
    CEditorMFCDoc* first = Document(0);
    CEditorMFCDoc* second = NewDocument();
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(L"Trivane2", second->GetTitle());
    ASSERT_EQ(1, first->ImportCursorImage(4, 0, WriteBmp(L"pair.bmp", 48, 24).c_str()));
    first->FindCursor(4, 0)->HotSpotX = 7;
    first->CopyCursor(4, 0);
    second->PasteCursor(6, 1);
    *first->FindCursor(4, 0)->Animation->Bitmap->PixelAt(0, 0) = 0xFFFFFFFF;

    const CThemeCursor& pasted = *second->FindCursor(6, 1);
    EXPECT_EQ((std::vector<int>{6, 2, 2, 7}),
              (std::vector<int>{pasted.Role, pasted.State, pasted.Frames, pasted.HotSpotX}));
    ASSERT_TRUE(pasted.Animation && pasted.Animation->Bitmap);
    EXPECT_NE(first->FindCursor(4, 0)->Animation->Bitmap, pasted.Animation->Bitmap);
    EXPECT_NE(0xFFFFFFFFu, *pasted.Animation->Bitmap->PixelAt(0, 0));

    first->CopyEffect(1);
    second->PasteEffect(5);
    EXPECT_EQ(5, second->GetEffect(5)->Slot);
    EXPECT_TRUE(IsPlaceholder(second->GetEffect(5)));
}

// A theme with a broken image says so once, in a box over the editor; a
// close that arrives while that box is up is refused, so the document is
// not freed under its load.
TEST_F(EditorAppTest, ACloseDuringALoadIsRefusedAndTheBrokenImagesAreSaidOnce)
{
    ASSERT_TRUE(Start());
    const std::string archive =
        SchemeArchive("[Arrow]\r\nFrames=1\r\nStdCursor=0\r\n[Help]\r\nFrames=1\r\nStdCursor=0\r\n",
                      {{"Arrow.png", PngBytes(8, 8, 0x3366CC)}, {"Help.png", "not a png"}})
            .File;
    const std::wstring path = folder_.File(L"Half.PvltTheme");
    ASSERT_TRUE(WriteBytesToFile(path, archive.data(), archive.size()));
    std::vector<std::wstring> texts;
    LMSetMessageBoxHandler([&](HWND owner, const wchar_t* text, const wchar_t*, UINT) {
        texts.push_back(text);
        EXPECT_EQ(MainWindow(), owner);
        SendMessageW(MainWindow(), WM_CLOSE, 0, 0);  // as a user's Alt+F4 would
        return IDOK;
    });
    CEditorMFCDoc* document = OpenDocument(path);
    LMSetMessageBoxHandler(nullptr);
    ASSERT_NE(nullptr, document);
    EXPECT_TRUE(IsWindow(MainWindow()));
    EXPECT_EQ((std::vector<std::wstring>{kTextThemeImagesUnreadable + path}), texts);
    EXPECT_NE(nullptr, document->FindCursor(0, 0));
}
