// Start-up, resources, the document template and opening files.

#include "CMDIChildWnd.h"
#include "DocViewTexts.h"
#include "EditorIds.h"
#include "EditorTestSupport.h"
#include "FileDialog.h"
#include "GuardedMemory.h"
#include "MainFramePlacement.h"

#include <commctrl.h>

namespace {

std::vector<UINT> ItemIds(HMENU popup)
{
    std::vector<UINT> ids;
    for (int i = 0; i < GetMenuItemCount(popup); ++i)
        ids.push_back(GetMenuItemID(popup, i) == static_cast<UINT>(-1) ? 0
                                                                       : GetMenuItemID(popup, i));
    return ids;
}

std::vector<std::wstring> FilterParts(const wchar_t* filter)
{
    std::vector<std::wstring> parts;
    for (const wchar_t* part = filter; part && *part; part += wcslen(part) + 1)
        parts.emplace_back(part);
    return parts;
}

}  // namespace

TEST_F(EditorAppTest, WithoutArgumentsTrivane1OpensAtTheTopLeftAndAboutShowsTheVersion)
{
    ASSERT_TRUE(Start());
    ASSERT_EQ(1u, Template().Documents().size());
    EXPECT_EQ(L"Trivane1", Document(0)->GetTitle());
    EXPECT_EQ(L"Trivane Theme Editor - Trivane1", WindowText(MainWindow()));
    EXPECT_EQ(Template().Menu(), GetMenu(MainWindow()));

    HWND frame = Document(0)->Frames().front()->GetSafeHwnd();
    RECT rect = {};
    GetWindowRect(frame, &rect);
    MapWindowPoints(nullptr, app_->MainFrame()->MDIClient(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(
        (std::vector<LONG>{0, 0, 960, 700}),
        (std::vector<LONG>{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}));
    // Wine adds WS_CLIPSIBLINGS to every MDI child.
    EXPECT_EQ(kChildFrameStyle,
              static_cast<DWORD>(GetWindowLongW(frame, GWL_STYLE)) & ~WS_CLIPSIBLINGS);
    HWND bar = GetDlgItem(MainWindow(), kIdStatusBar);
    EXPECT_EQ(4, SendMessageW(bar, SB_GETPARTS, 0, 0));
    // The main frame has room for the document frame, so no scroll bars
    // take any of it: the client area is the window less its edge.
    RECT client = {}, window = {};
    GetClientRect(app_->MainFrame()->MDIClient(), &client);
    GetWindowRect(app_->MainFrame()->MDIClient(), &window);
    EXPECT_TRUE(client.right >= 960 && client.bottom >= 700)
        << client.right << " x " << client.bottom;
    EXPECT_LE(window.right - window.left - client.right, 4);
    EXPECT_LE(window.bottom - window.top - client.bottom, 4);

    Command(kIdAppAbout);
    ASSERT_EQ(1u, boxes_.Boxes().size());
    const RecordedMessageBox& about = boxes_.Boxes()[0];
    EXPECT_EQ(MainWindow(), about.Owner);
    EXPECT_EQ(L"Trivane", about.Caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONINFORMATION), about.Type);
    EXPECT_EQ(0u, about.Text.find(L"Version 1.01\r\r"));
}

TEST(MainFramePlacement, TheDocumentFrameFitsCentredOrTheFrameIsMaximised)
{
    const SIZE document{960, 700}, chrome{20, 90};
    const struct {
        RECT WorkArea;
        bool Maximize;
        RECT Window;
    } rows[] = {
        {{0, 0, 1280, 1024}, false, {150, 117, 1130, 907}},
        {{1280, 40, 2560, 1024}, false, {1430, 137, 2410, 927}},  // a second monitor, a top bar
        {{0, 0, 980, 790}, false, {0, 0, 980, 790}},              // just fits
        {{0, 0, 979, 1024}, true, {}},
        {{0, 0, 1280, 789}, true, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.WorkArea.right << " x " << row.WorkArea.bottom);
        const MainFramePlacement placement = PlaceMainFrame(document, chrome, row.WorkArea);
        EXPECT_EQ(row.Maximize, placement.Maximize);
        EXPECT_TRUE(EqualRect(&row.Window, &placement.Window))
            << placement.Window.left << ", " << placement.Window.top << ", "
            << placement.Window.right << ", " << placement.Window.bottom;
    }
}

TEST_F(EditorAppTest, MenusAcceleratorsAndStringsAreTheEditorsOwn)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(L"Trivane Theme Editor", LoadResourceString(128));
    EXPECT_EQ(L"Trivane Theme Editor", LoadResourceString(57344));
    HMENU frameMenu = app_->MainFrame()->FrameMenu();
    HMENU documentMenu = Template().Menu();
    EXPECT_EQ((std::vector<UINT>{57600, 57601, 0, 57616, 0, 57602, 57665}),
              ItemIds(GetSubMenu(frameMenu, 0)));
    EXPECT_EQ((std::vector<UINT>{57600, 57601, 32772, 57602, 57603, 57604, 32771, 32777, 0, 57616,
                                 0, 57665}),
              ItemIds(GetSubMenu(documentMenu, 0)));
    EXPECT_EQ((std::vector<UINT>{57634, 57637}), ItemIds(GetSubMenu(documentMenu, 1)));
    EXPECT_EQ((std::vector<UINT>{57648, 57650, 57651, 57649}),
              ItemIds(GetSubMenu(documentMenu, 3)));

    ACCEL keys[32] = {};
    int count = CopyAcceleratorTableW(app_->MainFrame()->Accelerators(), keys, 32);
    std::vector<std::vector<int>> table;
    for (int i = 0; i < count; ++i)
        table.push_back({keys[i].fVirt & ~FNOINVERT, keys[i].key, keys[i].cmd});
    const int ctrl = FVIRTKEY | FCONTROL;
    const int shift = FVIRTKEY | FSHIFT;
    EXPECT_EQ((std::vector<std::vector<int>>{{ctrl, 'C', 57634},
                                             {ctrl, VK_INSERT, 57634},
                                             {ctrl, 'X', 57635},
                                             {shift, VK_DELETE, 57635},
                                             {ctrl, 'V', 57637},
                                             {shift, VK_INSERT, 57637},
                                             {ctrl, 'Z', 57643},
                                             {FVIRTKEY | FALT, VK_BACK, 57643},
                                             {ctrl, 'N', 57600},
                                             {ctrl, 'O', 57601},
                                             {ctrl, 'S', 57603},
                                             {FVIRTKEY, VK_F6, 57680},
                                             {shift, VK_F6, 57681},
                                             {ctrl, 'E', 32777}}),
              table);
}

TEST_F(EditorAppTest, TheTemplateGivesItsDocStringsAndTheOpenFilter)
{
    ASSERT_TRUE(Start());
    struct Row {
        int Index;
        BOOL Result;
        const wchar_t* Text;
    };
    const Row rows[] = {{0, TRUE, L""},
                        {1, TRUE, L"Trivane"},
                        {3, TRUE, L"Files (*.Trivane; *.PvltTheme)"},
                        {4, TRUE, L".Trivane;.PvltTheme"},
                        {6, TRUE, L"EditorMFC.Document"},
                        {7, FALSE, L""},
                        {-1, FALSE, L""}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Index);
        std::wstring text = L"stale";
        EXPECT_EQ(row.Result, Template().GetDocString(text, row.Index));
        EXPECT_EQ(row.Text, text);
    }
    std::vector<std::wstring> filter;
    DWORD flags = 0;
    DocSetFileDialogHandler([&](OPENFILENAMEW& dialog, FileDialogKind) {
        filter = FilterParts(dialog.lpstrFilter);
        flags = dialog.Flags;
        return FALSE;
    });
    Command(kIdFileOpen);
    DocSetFileDialogHandler(nullptr);
    EXPECT_EQ((std::vector<std::wstring>{L"Files (*.Trivane; *.PvltTheme)",
                                         L"*.Trivane;*.PvltTheme", L"All Files (*.*)", L"*.*"}),
              filter);
    EXPECT_EQ(static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY), flags);
    EXPECT_EQ(1u, Template().Documents().size()) << "a cancelled dialog opens nothing";
}

TEST_F(EditorAppTest, MatchDocTypeKnowsBothExtensionsAndOpenDocumentsByExactPath)
{
    const std::pair<const wchar_t*, int> rows[] = {
        {L"C:\\t\\Fire.trivane", 4},
        {L"C:\\t\\OLD.PVLTTHEME", 4},
        {L"C:\\t\\a.trivane.bak", 3},
        {L"C:\\t.d\\noext", 3},
        {L"C:\\t\\a.", 3},
        {L"C:\\tmp\\noext", 3},
    };
    ASSERT_TRUE(Start());
    // Each path ends flush against memory that cannot be read.
    GuardedText guarded(64);
    for (const auto& [path, confidence] : rows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(path)));
        CDocument* match = this->Document(0);
        EXPECT_EQ(confidence, Template().MatchDocType(guarded.Set(path), &match));
        EXPECT_EQ(nullptr, match);
    }

    CEditorMFCDoc* fire = OpenDocument(WriteSmallTheme(L"Fire.Trivane"));
    ASSERT_NE(nullptr, fire);
    std::wstring exact = fire->GetPathName();
    std::wstring upper = exact;
    for (wchar_t& c : upper)
        c = towupper(c);
    CDocument* match = nullptr;
    EXPECT_EQ(5, Template().MatchDocType(exact.c_str(), &match));
    EXPECT_EQ(fire, match);
    EXPECT_EQ(4, Template().MatchDocType(upper.c_str(), &match));
    EXPECT_EQ(nullptr, match);

    EXPECT_EQ(fire, OpenDocument(exact)) << "the open document is activated";
    EXPECT_EQ(2u, Template().Documents().size());
    CEditorMFCDoc* second = OpenDocument(upper);
    EXPECT_NE(nullptr, second);
    EXPECT_NE(fire, second);
    EXPECT_EQ(3u, Template().Documents().size());
}

TEST_F(EditorAppTest, AnOldVersionOnTheCommandLineShowsTheOpenFailureAndEndsTheProgram)
{
    std::wstring path = WriteSmallTheme(L"Old.Trivane");
    std::string bytes = FileBytes(path);
    const uint32_t version = 1999;
    bytes.replace(12, 4, reinterpret_cast<const char*>(&version), 4);
    ASSERT_TRUE(WriteBytesToFile(path, bytes.data(), bytes.size()));
    EXPECT_FALSE(Start(L"\"" + path + L"\""));
    ASSERT_EQ(1u, boxes_.Boxes().size());
    EXPECT_EQ(kTextOpenFailed + path, boxes_.Boxes()[0].Text);
    EXPECT_EQ(L"Trivane Theme Editor", boxes_.Boxes()[0].Caption);
    EXPECT_EQ(0u, Template().Documents().size());
}

TEST_F(EditorAppTest, OpeningBadPathsFailsClearlyAndTwoPathsOpenTheFirst)
{
    std::wstring first = WriteSmallTheme(L"First.Trivane");
    std::wstring second = WriteSmallTheme(L"Second.Trivane");
    ASSERT_TRUE(Start(L"\"" + first + L"\" \"" + second + L"\""));
    ASSERT_EQ(1u, Template().Documents().size());
    EXPECT_EQ(L"First.Trivane", Document(0)->GetTitle());

    std::wstring longest = PathOfLength(folder_, 259, L".Trivane");
    ASSERT_TRUE(CopyFileW(first.c_str(), longest.c_str(), FALSE));
    EXPECT_NE(nullptr, OpenDocument(longest)) << "259 characters still fit";
    EXPECT_TRUE(boxes_.Boxes().empty());

    std::wstring tooLong = PathOfLength(folder_, 300, L".Trivane");
    std::wstring locked = WriteSmallTheme(L"Locked.Trivane");
    ScopedFile holder(CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder.IsValid());
    for (const std::wstring& path : {tooLong, locked}) {
        SCOPED_TRACE(path.size());
        size_t before = boxes_.Boxes().size();
        EXPECT_EQ(nullptr, OpenDocument(path));
        ASSERT_EQ(before + 1, boxes_.Boxes().size());
        EXPECT_EQ(kTextOpenFailed + path, boxes_.Boxes().back().Text);
    }
    EXPECT_EQ(2u, Template().Documents().size());
}
