// The theme pane on a page of its own, over a Themes folder of the test's:
// the strip's cells, what hover, click and Delete act on, the refill that
// follows the folder, the preview grid, and bad theme files.

#include "CplTestSupport.h"

#include "COptionsPane.h"
#include "CQVObj.h"
#include "CThemePane.h"
#include "CplResources.h"
#include "LMMessageBox.h"
#include "LMTextState.h"
#include "MessagePump.h"
#include "SettingsPage.h"

#include <tlhelp32.h>

#include <cstring>

using namespace cpl;

namespace {

size_t Cells()
{
    return ThemePane.CellRecords.size();
}

int CellOf(const std::wstring& title)
{
    for (int cell = 0; cell < static_cast<int>(Cells()); ++cell) {
        if (ThemePane.RecordOfCell(cell)->Title == title)
            return cell;
    }
    return -1;
}

// A point inside a strip cell, in the strip list's coordinates.
int CellX(int cell)
{
    return cell * 74 + 40;
}

SCROLLINFO StripScroll()
{
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(GetDlgItem(ThemePane.Window, IDC_CPL_STRIP_SCROLL), SB_CTL, &info);
    return info;
}

int ThreadCount()
{
    ScopedKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    int count = 0;
    for (BOOL more = Thread32First(snapshot.Get(), &entry); more;
         more = Thread32Next(snapshot.Get(), &entry))
        count += entry.th32OwnerProcessID == GetCurrentProcessId() ? 1 : 0;
    return count;
}

// A theme whose full load warns about a trail record of an unknown version
// behind its cursor; a preview stops at the cursor and shows nothing.
void WriteWarningTheme(const std::wstring& path)
{
    ASSERT_TRUE(WriteCursorTheme(path, {{0, 1, 16, 16}}));
    std::string bytes;
    ASSERT_TRUE(ReadBytesFromFile(path, &bytes));
    uint32_t headSize = 0, bodySize = 0, compressed = 1;
    std::memcpy(&headSize, bytes.data() + 4, 4);
    std::memcpy(&bodySize, bytes.data() + 8, 4);
    std::memcpy(&compressed, bytes.data() + 120, 4);
    ASSERT_TRUE(compressed == 0 && bytes.size() == headSize + bodySize);
    const uint32_t record[4] = {8, 16, 16, 99};
    bodySize += sizeof(record);
    std::memcpy(&bytes[8], &bodySize, 4);
    bytes.append(reinterpret_cast<const char*>(record), sizeof(record));
    ASSERT_TRUE(WriteBytesToFile(path, bytes.data(), bytes.size()));
}

// Answers every box; the first one runs the strip host's refill timer, as
// a real box's message loop does once the timer is due, after before().
class BoxRunsRefill {
public:
    explicit BoxRunsRefill(std::function<void()> before) : before_(std::move(before))
    {
        previous_ = LMSetMessageBoxHandler([this](HWND, const wchar_t*, const wchar_t*, UINT) {
            if (Boxes++ == 0) {
                before_();
                SendMessageW(ThemePane.StripHost, WM_TIMER, kRefillTimer, 0);
            }
            return IDOK;
        });
    }
    ~BoxRunsRefill() { LMSetMessageBoxHandler(previous_); }
    int Boxes = 0;

private:
    std::function<void()> before_;
    LMMessageBoxHandler previous_;
};

class ThemePaneTest : public PageFixture {
protected:
    std::wstring Theme(const std::wstring& title) const
    {
        return themes_.File(title + L".Trivane");
    }
    void Write(const std::wstring& title, const std::vector<TestCursor>& cursors) const
    {
        ASSERT_TRUE(WriteCursorTheme(Theme(title), cursors));
    }
};

}  // namespace

TEST_F(ThemePaneTest, TheStripShowsThemesWithARolePictureAndActsOnTheOneShown)
{
    // Aspen and Kappa, without a role-0 picture, stand in the list before
    // and after the two that get cells.
    Write(L"Amber", {{0, 1, 24, 24}});
    Write(L"Aspen", {{3, 1, 32, 32}});
    Write(L"Birch", {{0, 1, 40, 40}});
    Write(L"Kappa", {{3, 1, 32, 32}});
    ASSERT_NE(nullptr, OpenPage());
    ASSERT_EQ(4u, GetCursorThemeList().size());
    ASSERT_EQ(2u, Cells());
    // The cells by what they show: the picture's width tells the theme.
    int amber = -1, birch = -1;
    for (LMObj* child : ThemePane.StripList->Children) {
        if (child->VisibleY != 12)
            continue;
        (child->VisibleWidth == 24 ? amber : birch) = child->VisibleX / 74;
        EXPECT_EQ(child->VisibleWidth == 24 ? 27 : 19, child->VisibleX % 74);
    }
    ASSERT_TRUE(amber + birch == 1 && amber * birch == 0);
    for (LMObj* child : ThemePane.StripList->Children) {
        if (child->VisibleY != 81)
            continue;
        SCOPED_TRACE(child->VisibleX);
        EXPECT_EQ(6, child->VisibleX % 74);
        EXPECT_EQ(child->VisibleX / 74 == amber ? L"Amber" : L"Birch",
                  static_cast<LMTextState*>(child->CurrentState)->Text);
    }
    EXPECT_EQ(156, ThemePane.StripList->VisibleWidth);
    SCROLLINFO scroll = StripScroll();
    EXPECT_TRUE(scroll.nMin == 0 && scroll.nMax == 0);

    struct Hover {
        int X, Y, FrameX;
    } hovers[] = {{82, 10, 78}, {81, 10, 4}, {82, 4, 4}, {150, 10, 78}};
    for (const Hover& hover : hovers) {
        SCOPED_TRACE(testing::Message() << hover.X << ", " << hover.Y);
        ThemePane.OnMouseMove(*ThemePane.StripList, hover.X, hover.Y);
        EXPECT_EQ(hover.FrameX, ThemePane.SelectionFrame->VisibleX);
    }

    SheetChanges.clear();
    ThemePane.OnLButtonUp(*ThemePane.StripList, CellX(birch), 10, 0);
    EXPECT_EQ(Theme(L"Birch"), ThemePane.ChosenPath);
    EXPECT_EQ(L"Birch", std::wstring(ThemePane.ChosenTheme.Title));
    EXPECT_EQ(std::vector<WPARAM>{reinterpret_cast<WPARAM>(page_)}, SheetChanges);
    EXPECT_EQ(L"Selected", StateName(ThemePane.RecordOfCell(birch)->Caption));
    EXPECT_EQ(L"Default", StateName(ThemePane.RecordOfCell(amber)->Caption));
    ASSERT_EQ(1u, ThemePane.PreviewCells.size());
    auto* source = OptionsPane.Preview->FindState(L"ori");
    ASSERT_NE(nullptr, source);
    EXPECT_EQ(40, static_cast<LMVisualState*>(source)->FrameWidth);

    ThemePane.PopupMenu = [](HWND, POINT) { return 1; };
    boxes_.SetAnswer(IDYES);
    ThemePane.OnRButtonUp(*ThemePane.StripList, CellX(birch), 10, 0);
    ASSERT_EQ(1u, boxes_.Boxes().size());
    const RecordedMessageBox& box = boxes_.Boxes()[0];
    EXPECT_EQ(L"Really delete Birch?", box.Text);
    EXPECT_EQ(L"Trivane", box.Caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONQUESTION | MB_YESNO), box.Type);
    EXPECT_EQ(ThemePane.StripHost, box.Owner);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(Theme(L"Birch").c_str()));
    for (const wchar_t* kept : {L"Amber", L"Aspen", L"Kappa"})
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(Theme(kept).c_str())) << kept;
    // A file that cannot go stays and says why.
    SetFileAttributesW(Theme(L"Amber").c_str(), FILE_ATTRIBUTE_READONLY);
    ThemePane.OnRButtonUp(*ThemePane.StripList, CellX(amber), 10, 0);
    SetFileAttributesW(Theme(L"Amber").c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(3u, boxes_.Boxes().size());
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONERROR), boxes_.Boxes()[2].Type);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(Theme(L"Amber").c_str()));

    // The watcher's thread ends with the page (Wine's own threads come with the first).
    ClosePage();
    int threads = ThreadCount();
    ASSERT_NE(nullptr, OpenPage());
    EXPECT_EQ(threads + 1, ThreadCount());
    ClosePage();
    EXPECT_EQ(threads, ThreadCount());
}

TEST_F(ThemePaneTest, FolderChangesRefillTheStripOnceAfterTheLast)
{
    std::wstring folder = themes_.File(L"Themes");
    CreateDirectoryW(folder.c_str(), nullptr);
    ThemePane.ThemesFolder = folder;
    auto write = [&](const std::wstring& title) {
        ASSERT_TRUE(WriteCursorTheme(folder + L"\\" + title + L".Trivane", {{0, 1, 16, 16}}));
    };
    write(L"Amber");
    write(L"Birch");
    ASSERT_NE(nullptr, OpenPage());
    ASSERT_EQ(2u, Cells());

    DeleteFileW((folder + L"\\Amber.Trivane").c_str());
    ASSERT_TRUE(PumpMessagesUntil([] { return Cells() == 1; }, 3000));
    EXPECT_EQ(3, ThemePane.StripList->ChildCount());  // the frame, a picture and a caption

    DWORD start = GetTickCount();
    write(L"Cedar");
    ASSERT_TRUE(PumpMessagesUntil([] { return Cells() == 2; }, 3000));
    EXPECT_GE(GetTickCount() - start, 800u);

    int refills = ThemePane.RefillCount;
    for (int i = 0; i < 5; ++i) {
        write(L"Burst" + std::to_wstring(i));
        PumpMessagesFor(60);
    }
    ASSERT_TRUE(PumpMessagesUntil([&] { return ThemePane.RefillCount > refills; }, 3000));
    PumpMessagesFor(1500);
    EXPECT_EQ(refills + 1, ThemePane.RefillCount);
    EXPECT_EQ(7u, Cells());

    for (const wchar_t* title :
         {L"Birch", L"Cedar", L"Burst0", L"Burst1", L"Burst2", L"Burst3", L"Burst4"})
        DeleteFileW((folder + L"\\" + title + L".Trivane").c_str());
    ASSERT_TRUE(RemoveDirectoryW(folder.c_str()));
    EXPECT_TRUE(PumpMessagesUntil([] { return Cells() == 0; }, 3000));
    EXPECT_EQ(1, ThemePane.StripList->ChildCount());
}

TEST_F(ThemePaneTest, ThePreviewShowsEveryRoleAndItsPressedLook)
{
    std::vector<TestCursor> cursors;
    for (int role = 0; role < 6; ++role)
        cursors.push_back({role, 1, 100, 40});
    cursors.push_back({4, 2, 100, 40});
    Write(L"Grid", cursors);
    ASSERT_NE(nullptr, OpenPage());
    ThemePane.OnLButtonUp(*ThemePane.StripList, CellX(0), 10, 0);
    ASSERT_EQ(6u, ThemePane.PreviewCells.size());
    EXPECT_EQ(64, ThemePane.PreviewRowHeight);
    LMObj& pressable = *ThemePane.PreviewCells[4];
    EXPECT_TRUE(pressable.VisibleX == 106 && pressable.VisibleY == 72);
    EXPECT_EQ(114, ThemePane.PreviewCaptions[4]->VisibleY);

    auto looks = [] {
        std::vector<std::wstring> names;
        for (const LMObj* cell : ThemePane.PreviewCells)
            names.push_back(StateName(cell));
        return names;
    };
    std::vector<std::wstring> pressed(6, L"Default");
    pressed[4] = L"Pressed";
    ThemePane.OnLButtonDown(*ThemePane.PreviewList, 5, 5);
    EXPECT_EQ(pressed, looks());
    ThemePane.OnLButtonUp(*ThemePane.PreviewList, 5, 5, 0);
    EXPECT_EQ(std::vector<std::wstring>(6, L"Default"), looks());

    PageState.Buttons[kBarDisable]->OnLButtonUp(1, 1, 0);
    ThemePane.OnLButtonUp(*ThemePane.StripList, CellX(0), 10, 0);
    EXPECT_EQ(128, ThemePane.PreviewCells[0]->CurrentState->RampStart);
    EXPECT_EQ(0x808080u,
              static_cast<LMTextState*>(ThemePane.PreviewCaptions[0]->CurrentState)->TextColor);
    PageState.Buttons[kBarEnable]->OnLButtonUp(1, 1, 0);
    for (LMObj* cell : ThemePane.PreviewCells)
        EXPECT_EQ(255, cell->CurrentState->RampStart);

    // A page opened disabled previews the chosen theme greyed.
    ClosePage();
    settings_.Set(L"Disabled", REG_DWORD, Dword(1));
    ASSERT_NE(nullptr, OpenPage());
    ASSERT_EQ(6u, ThemePane.PreviewCells.size());
    EXPECT_EQ(128, ThemePane.PreviewCells[0]->CurrentState->RampStart);
}

TEST_F(ThemePaneTest, BadThemeFilesGetNoCellAndBreakNothing)
{
    ASSERT_NE(nullptr, OpenPage());
    EXPECT_EQ(0u, Cells());
    ThemePane.OnLButtonUp(*ThemePane.StripList, 40, 10, 0);
    ThemePane.OnRButtonUp(*ThemePane.StripList, 40, 10, 0);
    EXPECT_TRUE(ThemePane.PreviewCells.empty() && ThemePane.ChosenPath[0] == L'\0');
    EXPECT_TRUE(SheetChanges.size() == 1 && boxes_.Boxes().empty());  // only the page's opening
    ClosePage();

    const std::wstring longTitle(200, L'N');
    Write(L"Wide", {{0, 1, 300, 20}});
    Write(longTitle, {{0, 1, 8, 8}});
    Write(L"Whole", {{0, 1, 16, 16}});
    std::string whole;
    ReadBytesFromFile(Theme(L"Whole"), &whole);
    for (size_t length : {whole.size() / 2, size_t{120}, size_t{4}}) {
        std::wstring name = themes_.File(L"Cut" + std::to_wstring(length) + L".Trivane");
        WriteBytesToFile(name, whole.data(), length);
    }
    WriteBytesToFile(themes_.File(L"Broken.PvltTheme"), "PK not a zip", 12);
    ASSERT_NE(nullptr, OpenPage());
    ASSERT_EQ(3u, Cells());
    int wide = CellOf(L"Wide");
    const LMObj& picture = *ThemePane.RecordOfCell(wide)->Thumbnail;
    EXPECT_GE(picture.VisibleX, wide * 74 + 7);
    EXPECT_LE(picture.VisibleX + picture.VisibleWidth, wide * 74 + 71);

    ThemePane.PopupMenu = [](HWND, POINT) { return 1; };
    boxes_.SetAnswer(IDNO);
    ThemePane.OnRButtonUp(*ThemePane.StripList, CellX(CellOf(longTitle)), 10, 0);
    ASSERT_FALSE(boxes_.Boxes().empty());  // the archive's warning comes first
    EXPECT_EQ(L"Really delete " + longTitle + L"?", boxes_.Boxes().back().Text);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(Theme(longTitle).c_str()));
    ClosePage();

    for (int i = 0; i < 300; ++i)
        Write(L"Many" + std::to_wstring(i), {{0, 1, 4, 4}});
    ASSERT_NE(nullptr, OpenPage());
    EXPECT_EQ(303u, Cells());
    EXPECT_EQ(303 * 74 + 8, ThemePane.StripList->VisibleWidth);
    SCROLLINFO scroll = StripScroll();
    EXPECT_TRUE(scroll.nMax == 303 * 74 - 274 && scroll.nPage == 74);
    SendMessageW(ThemePane.Window, WM_HSCROLL, SB_PAGEDOWN,
                 reinterpret_cast<LPARAM>(GetDlgItem(ThemePane.Window, IDC_CPL_STRIP_SCROLL)));
    EXPECT_TRUE(StripScroll().nPos == 74 && ThemePane.StripList->VisibleX == -74);
}

TEST_F(ThemePaneTest, ARefillRunByABoxWaitsForTheFillAndTheClickItInterrupts)
{
    // The missing extractor's warning comes while the strip is filled, the
    // box naming the broken archive when it is full.
    for (const wchar_t* title : {L"Amber", L"Birch", L"Cedar", L"Delta"})
        Write(title, {{0, 1, 16, 16}});
    WriteBytesToFile(themes_.File(L"Broken.PvltTheme"), "PK not a zip", 12);
    {
        BoxRunsRefill box([] {});
        ASSERT_NE(nullptr, OpenPage());
        EXPECT_EQ(2, box.Boxes);
        EXPECT_EQ(4u, Cells());
        EXPECT_EQ(9, ThemePane.StripList->ChildCount());
        int refills = ThemePane.RefillCount;
        EXPECT_TRUE(PumpMessagesUntil([&] { return ThemePane.RefillCount > refills; }, 3000));
        EXPECT_EQ(4u, Cells());
        EXPECT_EQ(9, ThemePane.StripList->ChildCount());
    }
    ClosePage();
    DeleteFileW(themes_.File(L"Broken.PvltTheme").c_str());

    // The clicked theme's own warning comes after the others are deleted.
    for (const wchar_t* title : {L"Amber", L"Birch", L"Cedar", L"Delta"})
        WriteWarningTheme(Theme(title));
    ASSERT_NE(nullptr, OpenPage());
    ASSERT_EQ(4u, Cells());
    const std::wstring chosen = ThemePane.RecordOfCell(3)->Title;
    BoxRunsRefill box([&] {
        for (const wchar_t* title : {L"Amber", L"Birch", L"Cedar", L"Delta"}) {
            if (chosen != title)
                DeleteFileW(Theme(title).c_str());
        }
    });
    ThemePane.OnLButtonUp(*ThemePane.StripList, CellX(3), 10, 0);
    ASSERT_EQ(1, box.Boxes);
    EXPECT_EQ(Theme(chosen), ThemePane.ChosenPath);
    EXPECT_EQ(chosen, ThemePane.ChosenTheme.Title);
    ASSERT_EQ(1u, Cells());
    EXPECT_EQ(L"Selected", StateName(ThemePane.RecordOfCell(0)->Caption));
    EXPECT_EQ(1u, ThemePane.PreviewCells.size());
}
