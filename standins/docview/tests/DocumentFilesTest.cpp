// Opening and saving through the layer, the recent-file list, the command line.

#include "CDocument.h"
#include "CMultiDocTemplate.h"
#include "CRecentFileList.h"
#include "DocViewTexts.h"
#include "FileDialog.h"
#include "MessageBoxRecorder.h"
#include "NoteApp.h"
#include "TempFolder.h"

namespace {

std::wstring ProfileValue(const std::wstring& key, const wchar_t* name)
{
    wchar_t value[MAX_PATH] = {};
    DWORD bytes = sizeof(value);
    std::wstring subkey = key + L"\\Recent File List";
    if (RegGetValueW(HKEY_CURRENT_USER, subkey.c_str(), name, RRF_RT_REG_SZ, nullptr, value,
                     &bytes) != ERROR_SUCCESS)
        return L"(none)";
    return value;
}

std::string FileBytes(const std::wstring& path)
{
    std::string bytes;
    return ReadBytesFromFile(path, &bytes) ? bytes : "(missing)";
}

}  // namespace

TEST(RecentFileListTest, KeepsNewestFirstEachPathOnceAndAtMostItsCapacity)
{
    struct Row {
        std::vector<std::wstring> Added;
        std::vector<std::wstring> Expected;
    };
    const Row rows[] = {
        {{L"A", L"B", L"C", L"A"}, {L"A", L"C", L"B"}},
        {{L"c:\\x.note", L"C:\\X.NOTE"}, {L"C:\\X.NOTE"}},
        {{L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9"},
         {L"9", L"8", L"7", L"6", L"5", L"4", L"3", L"2"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Added.size());
        CRecentFileList list(8);
        for (const std::wstring& path : row.Added)
            list.Add(path);
        EXPECT_EQ(row.Expected, list.Entries());
    }
    EXPECT_EQ(L"&2 C:\\R&&D\\a.note", RecentFileMenuText(1, L"C:\\R&D\\a.note"));
}

TEST_F(NoteAppTest, RecentFilesAreWrittenAtExitReadAtStartAndShownInTheFileMenu)
{
    TempFolder folder;
    std::vector<std::wstring> paths;
    for (const wchar_t* name : {L"A.note", L"B.note", L"C.note"}) {
        paths.push_back(folder.File(name));
        ASSERT_TRUE(WriteBytesToFile(paths.back(), "text", 4));
    }
    StartApp(L"", true);
    for (int index : {0, 1, 2, 0}) {
        CDocument* document = app_->OpenDocumentFile(paths[index].c_str());
        ASSERT_NE(nullptr, document);
        document->OnCloseDocument();
    }
    app_->ExitInstance();
    EXPECT_EQ(paths[0], ProfileValue(profileKey_, L"File1"));
    EXPECT_EQ(paths[2], ProfileValue(profileKey_, L"File2"));
    EXPECT_EQ(paths[1], ProfileValue(profileKey_, L"File3"));
    EXPECT_EQ(L"(none)", ProfileValue(profileKey_, L"File4"));

    StartApp(L"", true);
    EXPECT_EQ((std::vector<std::wstring>{paths[0], paths[2], paths[1]}),
              app_->RecentFiles()->Entries());
    HMENU file = GetSubMenu(app_->MainFrame()->FrameMenu(), 0);
    SendMessageW(MainWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    EXPECT_EQ(8, GetMenuItemCount(file)) << "three files in place of the placeholder";
    wchar_t text[MAX_PATH] = {};
    GetMenuStringW(file, kIdFileRecentFirst + 1, text, MAX_PATH, MF_BYCOMMAND);
    EXPECT_EQ(RecentFileMenuText(1, paths[2]), text);
    EXPECT_EQ(0u, GetMenuState(file, kIdFileRecentFirst, MF_BYCOMMAND) & MF_GRAYED);

    Command(kIdFileRecentFirst + 1);
    ASSERT_EQ(1u, Template().Documents().size());
    EXPECT_EQ(paths[2], Template().Documents().front()->GetPathName());
}

TEST_F(NoteAppTest, TheCommandLineOpensItsFirstPlainArgument)
{
    struct Row {
        const wchar_t* Arguments;
        CCommandLineInfo::ShellCommand Command;
        const wchar_t* FileName;
    };
    const Row rows[] = {
        {L"", CCommandLineInfo::FileNew, L""},
        {L"/flag -other", CCommandLineInfo::FileNew, L""},
        {L"first.note second.note", CCommandLineInfo::FileOpen, L"first.note"},
        {L"\"C:\\My Notes\\x.note\" /flag", CCommandLineInfo::FileOpen, L"C:\\My Notes\\x.note"},
    };
    NoteApp app;
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.Arguments)));
        app.UseCommandLine(row.Arguments);
        CCommandLineInfo info;
        app.ParseCommandLine(info);
        EXPECT_EQ(row.Command, info.Command);
        EXPECT_EQ(row.FileName, info.FileName);
    }
}

TEST_F(NoteAppTest, AFailedOpenShowsOneBoxAndLeavesNoDocument)
{
    TempFolder folder;
    std::wstring bad = folder.File(L"bad.note");
    ASSERT_TRUE(WriteBytesToFile(bad, "bad", 3));
    std::wstring tooLong = folder.Path() + L"\\" + std::wstring(300, L'n') + L".note";
    MessageBoxRecorder boxes;
    StartApp(L"", true);
    for (const std::wstring& path : {bad, folder.File(L"missing.note"), folder.Path(), tooLong}) {
        SCOPED_TRACE(testing::PrintToString(path));
        size_t before = boxes.Boxes().size();
        EXPECT_EQ(nullptr, app_->OpenDocumentFile(path.c_str()));
        ASSERT_EQ(before + 1, boxes.Boxes().size());
        EXPECT_EQ(kTextOpenFailed + path, boxes.Boxes().back().Text);
        EXPECT_EQ(L"Notes", boxes.Boxes().back().Caption);
    }
    EXPECT_EQ(0u, Template().Documents().size());
    EXPECT_EQ(0u, app_->MainFrame()->ChildFrameCount());
    EXPECT_TRUE(app_->RecentFiles()->Entries().empty());

    app_.reset();
    app_ = std::make_unique<NoteApp>();
    app_->UseCommandLine(L"\"" + bad + L"\"");
    app_->UseProfileKey(profileKey_);
    EXPECT_FALSE(app_->InitInstance()) << "a command line that cannot be carried out ends";
}

TEST_F(NoteAppTest, SavingChecksTheFileFirstAndChangesNothingWhenItCannotWrite)
{
    TempFolder folder;
    std::wstring locked = folder.File(L"locked.note");
    ASSERT_TRUE(WriteBytesToFile(locked, "keep", 4));
    MessageBoxRecorder boxes;
    StartApp();
    CDocument* document = Template().Documents().front().get();
    {
        ScopedFile holder(CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder.IsValid());
        EXPECT_FALSE(document->DoSave(locked.c_str(), TRUE));
    }
    EXPECT_EQ("keep", FileBytes(locked));
    std::wstring noFolder = folder.File(L"none\\x.note");
    EXPECT_FALSE(document->DoSave(noFolder.c_str(), TRUE));
    ASSERT_EQ(2u, boxes.Boxes().size());
    EXPECT_EQ(kTextSaveFailed + locked, boxes.Boxes()[0].Text);
    EXPECT_EQ(kTextSaveFailed + noFolder, boxes.Boxes()[1].Text);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(folder.File(L"none").c_str()));

    std::wstring offered;
    std::wstring answer = folder.File(L"x.note");
    DocSetFileDialogHandler([&](OPENFILENAMEW& dialog, FileDialogKind kind) {
        offered = dialog.lpstrFile;
        EXPECT_EQ(FileDialogKind::Save, kind);
        if (answer.empty())
            return FALSE;
        answer.copy(dialog.lpstrFile, answer.size());
        dialog.lpstrFile[answer.size()] = L'\0';
        return TRUE;
    });
    document->SetModifiedFlag(TRUE);
    Command(kIdFileSave);
    DocSetFileDialogHandler(nullptr);
    EXPECT_EQ(L"Note1.note", offered);
    EXPECT_EQ("note", FileBytes(answer));
    EXPECT_EQ(answer, document->GetPathName());
    EXPECT_EQ(L"Notes - x.note", WindowText(MainWindow()));
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(answer, app_->RecentFiles()->Entries().front());
}
