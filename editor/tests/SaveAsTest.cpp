// Saving under a new name: what the dialog offers, and saves that must fail
// without touching any file.

#include "DocViewTexts.h"
#include "EditorTestSupport.h"
#include "EditorTexts.h"
#include "FileDialog.h"
#include "FileRetry.h"
#include "ThemeLocations.h"
#include "ThemeMessages.h"

#include <set>

namespace {

// Answers every save dialog with the path given, or cancels when it is empty.
class DialogAnswer {
public:
    explicit DialogAnswer(std::wstring* answer)
    {
        DocSetFileDialogHandler([answer, this](OPENFILENAMEW& dialog, FileDialogKind) {
            Offered = dialog.lpstrFile;
            Folder = dialog.lpstrInitialDir ? dialog.lpstrInitialDir : L"";
            Title = dialog.lpstrTitle ? dialog.lpstrTitle : L"";
            Flags = dialog.Flags;
            if (answer->empty() || answer->size() >= dialog.nMaxFile)
                return FALSE;
            answer->copy(dialog.lpstrFile, answer->size());
            dialog.lpstrFile[answer->size()] = L'\0';
            return TRUE;
        });
    }
    ~DialogAnswer() { DocSetFileDialogHandler(nullptr); }

    std::wstring Offered;
    std::wstring Folder;
    std::wstring Title;
    DWORD Flags = 0;
};

}  // namespace

TEST_F(EditorAppTest, SaveAsOntoNamesTheThemeWriterRefusesChangesNoFile)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WriteBytesToFile(folder_.File(L"Legacy Set.pvlttheme"), "legacy", 6));
    ASSERT_TRUE(WriteBytesToFile(folder_.File(L"notes.dat"), "notes", 5));
    const std::set<std::wstring> before = FilesIn(folder_.Path());
    struct Row {
        const wchar_t* Name;
        const wchar_t* Box;
        const char* Bytes;
    };
    const std::wstring other = kTextSaveNeedsContainer;
    const Row rows[] = {{L"Legacy Set.pvlttheme", kArchiveSaveRefusal, "legacy"},
                        {L"notes.dat", other.c_str(), "notes"},
                        {L"draft.bin", other.c_str(), "(missing)"}};
    std::wstring answer;
    DialogAnswer dialog(&answer);
    Document(0)->SetModifiedFlag(TRUE);
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.Name)));
        answer = folder_.File(row.Name);
        size_t boxes = boxes_.Boxes().size();
        Command(kIdFileSaveAs);
        EXPECT_EQ(row.Bytes, FileBytes(answer));
        ASSERT_EQ(boxes + (row.Box ? 1 : 0), boxes_.Boxes().size());
        if (row.Box) {
            EXPECT_EQ(0u, boxes_.Boxes().back().Text.find(row.Box));
        }
        EXPECT_TRUE(Document(0)->IsModified()) << "nothing was saved";
        EXPECT_EQ(L"Trivane1", Document(0)->GetTitle());
        EXPECT_TRUE(Document(0)->GetPathName().empty());
    }
    EXPECT_EQ(before, FilesIn(folder_.Path()));
}

TEST_F(EditorAppTest, ANewDocumentOffersItsTitleInTheThemesFolder)
{
    ASSERT_TRUE(Start());
    Document(0)->SetTitle(L"Night:v2");
    std::wstring cancel;
    DialogAnswer dialog(&cancel);
    EXPECT_FALSE(Document(0)->DoSave(nullptr, TRUE));
    wchar_t themes[MAX_PATH] = {};
    GetThemesFolder(themes);
    EXPECT_EQ(L"Night.Trivane", dialog.Offered);
    EXPECT_EQ(themes, dialog.Folder);
    EXPECT_EQ(L"Save As", dialog.Title);
    EXPECT_EQ(static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST),
              dialog.Flags);
}

TEST_F(EditorAppTest, SavingToLongOrLockedPathsFailsWithTheLayersBoxAndChangesNothing)
{
    ASSERT_TRUE(Start());
    CEditorMFCDoc* document = Document(0);
    std::wstring longest = PathOfLength(folder_, 259, L".Trivane");
    EXPECT_TRUE(document->DoSave(longest.c_str(), TRUE));
    EXPECT_EQ(192u, FileBytes(longest).size());

    std::wstring tooLong = PathOfLength(folder_, 300, L".Trivane");
    std::wstring locked = WriteSmallTheme(L"Locked.Trivane");
    std::string lockedBytes = FileBytes(locked);
    ScopedFile holder(CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder.IsValid());
    // Open for writing but not for replacing: only the theme writer fails.
    std::wstring held = WriteSmallTheme(L"Held.Trivane");
    std::string heldBytes = FileBytes(held);
    ScopedFile reader(CreateFileW(held.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(reader.IsValid());
    SetThemeFileSleep([](DWORD) {});
    for (const std::wstring& path : {tooLong, locked, held}) {
        SCOPED_TRACE(path.size());
        size_t boxes = boxes_.Boxes().size();
        EXPECT_FALSE(document->DoSave(path.c_str(), TRUE));
        ASSERT_EQ(boxes + 1, boxes_.Boxes().size());
        EXPECT_EQ(kTextSaveFailed + path, boxes_.Boxes().back().Text);
    }
    SetThemeFileSleep(nullptr);
    holder.Reset();
    reader.Reset();
    EXPECT_EQ(lockedBytes, FileBytes(locked));
    EXPECT_EQ(heldBytes, FileBytes(held));
    EXPECT_EQ(longest, document->GetPathName());
}

// An archive is only read: Save As offers its name as a ".Trivane"; and a
// name the dialog gave the extension in another case is saved with the
// system's ".Trivane".
TEST_F(EditorAppTest, SaveAsOffersAndWritesTheTrivaneExtension)
{
    ASSERT_TRUE(Start());
    const struct {
        const wchar_t* Path;     // the document's
        const wchar_t* Offered;  // by the dialog
        const wchar_t* Answer;
        const wchar_t* Saved;
    } rows[] = {
        {L"Copper Wire.PvltTheme", L"Copper Wire.Trivane", L"Copper Wire.trivane",
         L"Copper Wire.Trivane"},
        {L"Night.Trivane", L"Night.Trivane", L"Night copy.TRIVANE", L"Night copy.Trivane"},
        {L"Plain.trivane", L"Plain.Trivane", L"Plain.Trivane", L"Plain.Trivane"},
    };
    std::wstring answer;
    DialogAnswer dialog(&answer);
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.Path)));
        TempFolder folder;
        Document(0)->SetPathName(folder.File(row.Path).c_str(), FALSE);
        answer = folder.File(row.Answer);
        ASSERT_TRUE(Document(0)->DoSave(nullptr, TRUE));
        EXPECT_EQ(folder.File(row.Offered), dialog.Offered);
        EXPECT_EQ(std::set<std::wstring>{row.Saved}, FilesIn(folder.Path()));
        EXPECT_EQ(row.Saved, Document(0)->GetTitle());
    }
}
