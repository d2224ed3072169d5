// The view's construction and layout, its dialogs and images, and the small
// routines it shares with its pages.

#include "DibCanvas.h"
#include "EditorDialogs.h"
#include "EditorIds.h"
#include "EditorObjects.h"
#include "LMObjWindow.h"
#include "LMProcs.h"
#include "PngResource.h"
#include "ViewTestSupport.h"

#include <commctrl.h>

#include <algorithm>

namespace {

std::vector<std::wstring> TabTexts(HWND tabs)
{
    std::vector<std::wstring> texts;
    int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[64] = {};
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        texts.emplace_back(text);
    }
    return texts;
}

std::vector<std::wstring> ListRows(HWND list)
{
    std::vector<std::wstring> rows;
    int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[64] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        rows.emplace_back(text);
    }
    return rows;
}

std::vector<int> VisiblePages(const CEditorMFCView& view)
{
    std::vector<int> visible;
    for (int tab = 0; tab < kTabCount; ++tab) {
        if (HasVisibleStyle(view.Page(tab)))
            visible.push_back(tab);
    }
    return visible;
}

void SelectTab(const CEditorMFCView& view, int tab)
{
    HWND tabs = GetDlgItem(view.TabHost, kIdTabControl);
    SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    NMHDR header = {tabs, kIdTabControl, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(view.TabHost, WM_NOTIFY, kIdTabControl, reinterpret_cast<LPARAM>(&header));
}

// The right edge of each link, against the cursors frame's width.
std::vector<int> LinkRightEdges(const CEditorMFCView& view)
{
    return {view.NormalLink->VisibleX + view.NormalLink->VisibleWidth,
            view.PressedLink->VisibleX + view.PressedLink->VisibleWidth,
            view.CursorsFrame->VisibleWidth - 6};
}

}  // namespace

TEST_F(EditorViewTest, InitialUpdateShowsTheCursorsPageWithItsTabsSoundsTitlesAndFrames)
{
    StartView();
    const CEditorMFCView& view = *view_;
    EXPECT_EQ(view_, Document(0)->View);
    EXPECT_EQ((std::vector<int>{kCursorsTab}), VisiblePages(view));
    EXPECT_EQ((std::vector<std::wstring>{L"Cursors", L"Special effects", L"Trails", L"Sounds"}),
              TabTexts(GetDlgItem(view.TabHost, kIdTabControl)));
    std::vector<std::wstring> rows = ListRows(GetDlgItem(view.SoundsPage, kIdSoundList));
    ASSERT_EQ(9u, rows.size());
    EXPECT_EQ(L"Left down", rows.front());
    EXPECT_EQ(L"Right double-click", rows.back());
    EXPECT_EQ(0, SendDlgItemMessageW(view.SoundsPage, kIdSoundList, LB_GETCURSEL, 0, 0));

    EXPECT_EQ((std::vector<int>{0, 1}),
              (std::vector<int>{view.NormalLink->Shown, view.PressedLink->Shown}));
    EXPECT_EQ(L"Normal", view.TitleBar->CurrentState->Name);
    EXPECT_EQ((std::vector<LMObj*>{view.TitleBar, view.NormalLink, view.PressedLink}),
              (std::vector<LMObj*>{view.Item(kItemTitleBar), view.Item(kItemNormalLink),
                                   view.Item(kItemPressedLink)}));
    EXPECT_EQ((std::vector<std::wstring>{L"Normal - Standard select properties",
                                         L"Left down properties", L"All states properties"}),
              (std::vector<std::wstring>{PaneTitleOf(view, 0), PaneTitleOf(view, 1),
                                         PaneTitleOf(view, 2)}));
    for (int grid = 0; grid < kGridCount; ++grid) {
        SCOPED_TRACE(grid);
        const LMObj* frame = view.Grid(grid).SelectionFrame;
        EXPECT_EQ(1, frame->Shown);
        EXPECT_EQ((std::vector<int>{3, 3}), (std::vector<int>{frame->VisibleX, frame->VisibleY}));
    }
    for (HWND dialog : {view.TabHost, view.CursorsPage, view.EffectsPage, view.TrailsPage,
                        view.SoundsPage, view.CursorPane, view.EffectPane, view.TrailPane}) {
        EXPECT_EQ(view_, GetPropW(dialog, L"classptr"));
    }
    EXPECT_EQ(GetModuleHandleW(L"uxtheme.dll") ? 1 : 0,
              LMProcs::EnableTabTexture(view.CursorsPage));
}

TEST_F(EditorViewTest, APaneIgnoresItsEditsUntilItHasItsView)
{
    StartView();
    HWND pane = view_->CursorPane;
    const WPARAM edit = MAKEWPARAM(kIdFramesBox, EN_CHANGE);
    HWND box = GetDlgItem(pane, kIdFramesBox);

    RemovePropW(pane, L"classptr");
    SendMessageW(pane, WM_COMMAND, edit, reinterpret_cast<LPARAM>(box));
    EXPECT_FALSE(KillTimer(view_->CursorsPage, kPageTimerId)) << "no debounce without classptr";
    EXPECT_EQ(nullptr, ViewOfDialog(pane));

    SetPropW(pane, L"classptr", view_);
    SendMessageW(pane, WM_COMMAND, edit, reinterpret_cast<LPARAM>(box));
    EXPECT_TRUE(KillTimer(view_->CursorsPage, kPageTimerId)) << "the edit arms the page's timer";
}

TEST_F(EditorViewTest, OnSizeLaysPagesPanesAndScenesOutAndKeepsTheSoundsPage)
{
    StartView();
    const CEditorMFCView& view = *view_;
    struct Row {
        const char* What;
        HWND Window;
        std::vector<int> Rect;  // x and y of -1 are not checked
    };
    // The pane lies 560 in, or as far in as its width needs (dialog units
    // grow with the font); the scroll bar and the grids keep their gaps to it.
    const int pane = std::min(560, 860 - ChildRectOf(view.CursorPane)[2]);
    const int scene = pane - 35;
    std::vector<Row> rows = {
        {"tab control", GetDlgItem(view.TabHost, kIdTabControl), {-1, -1, 875, 580}},
        {"sounds page", view.SoundsPage, {16, 39, 860, 545}},
    };
    for (int grid = 0; grid < kGridCount; ++grid) {
        rows.push_back({"page", view.Page(grid), {16, 39, 860, 545}});
        rows.push_back({"pane", view.Pane(grid), {pane, 10, -1, -1}});
        rows.push_back({"scroll bar",
                        GetDlgItem(view.Page(grid), kIdPageScrollBar),
                        {pane - 25, 10, 20, 530}});
        rows.push_back({"scene host", view.SceneHost(grid), {-1, -1, scene, 530}});
    }
    // Resizing to nothing and back gives the same layout.
    for (SIZE size : {SIZE{300, 50}, SIZE{0, 0}, SIZE{900, 600}}) {
        SCOPED_TRACE(size.cx);
        view_->OnSize(0, size.cx, size.cy);
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.What);
        std::vector<int> actual = ChildRectOf(row.Window);
        for (size_t i = 0; i < 4; ++i) {
            if (row.Rect[i] != -1) {
                EXPECT_EQ(row.Rect[i], actual[i]) << i;
            }
        }
    }
    EXPECT_EQ((std::vector<int>{0, 0, scene, 530}), ObjectRect(view.CursorsRoot));
    EXPECT_EQ((std::vector<int>{0, 0, scene, 530}), ObjectRect(view.CursorsFrame));
    EXPECT_EQ((std::vector<int>{0, 25, scene, 505}), ObjectRect(view.CursorGridContainer));
    std::vector<int> edges = LinkRightEdges(view);
    EXPECT_EQ(edges[2], edges[0]);
    EXPECT_EQ(edges[2], edges[1]);
    EXPECT_NE(view.NormalLink->VisibleWidth, view.PressedLink->VisibleWidth);

    SelectTab(view, kSoundsTab);
    EXPECT_EQ(kSoundsTab, view.CurrentTab);
    view_->OnSize(0, 700, 500);
    EXPECT_EQ((std::vector<int>{kSoundsTab}), VisiblePages(view));
    SelectTab(view, kTrailsTab);
    EXPECT_EQ((std::vector<int>{kTrailsTab}), VisiblePages(view));
}

TEST_F(EditorViewTest, TheViewsDialogsAndImagesAreTheEditorsOwn)
{
    StartView();
    struct Row {
        HWND Dialog;
        int Id;
        const wchar_t* Class;
        RECT Units;  // x, y, width, height in dialog units
        bool Visible;
    };
    // The tab control and the scroll bars follow the view's size instead.
    const RECT area = {6, 6, 312, 300};
    const Row rows[] = {
        {view_->CursorsPage, kIdSceneArea, L"Static", area, false},
        {view_->EffectsPage, kIdSceneArea, L"Static", area, false},
        {view_->TrailsPage, kIdSceneArea, L"Static", area, false},
        {view_->SoundsPage, kIdPlaySoundButton, L"Button", {12, 138, 66, 18}, true},
        {view_->SoundsPage, kIdBrowseSoundButton, L"Button", {174, 138, 66, 18}, true},
        {view_->CursorPane, kIdPaneTitleArea, L"Static", {4, 0, 192, 11}, false},
        {view_->CursorPane, kIdCenterButton, L"Button", {131, 43, 50, 14}, true},
        {view_->CursorPane, kIdLoopCheck, L"Button", {107, 79, 60, 14}, true},
        {view_->CursorPane, kIdScriptBox, L"Edit", {5, 175, 192, 72}, true},
        {view_->EffectPane, kIdHotSpotYBox, L"Edit", {71, 32, 40, 14}, true},
        {view_->EffectPane, kIdRemoveButton, L"Button", {77, 290, 72, 18}, true},
        {view_->TrailPane, kIdTrailsPerSecondBox, L"Edit", {6, 265, 40, 14}, true},
        {view_->TrailPane, kIdImportButton, L"Button", {5, 293, 66, 18}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Id);
        HWND control = GetDlgItem(row.Dialog, row.Id);
        ASSERT_NE(nullptr, control);
        wchar_t name[64] = {};
        GetClassNameW(control, name, 64);
        EXPECT_EQ(0, _wcsicmp(row.Class, name)) << testing::PrintToString(std::wstring(name));
        // Position and size convert apart, as the dialog manager converts them.
        RECT pixels = row.Units;
        MapDialogRect(row.Dialog, &pixels);
        EXPECT_EQ((std::vector<int>{pixels.left, pixels.top, pixels.right, pixels.bottom}),
                  ChildRectOf(control));
        EXPECT_EQ(row.Visible, HasVisibleStyle(control));
    }
    EXPECT_EQ(L"Remove this cursor", WindowText(GetDlgItem(view_->CursorPane, kIdRemoveButton)));
    EXPECT_EQ(L"Remove this effect", WindowText(GetDlgItem(view_->EffectPane, kIdRemoveButton)));
    EXPECT_EQ(L"Remove this trail", WindowText(GetDlgItem(view_->TrailPane, kIdRemoveButton)));
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(view_->SoundsPage, kIdSoundList), GWL_STYLE) &
                LBS_OWNERDRAWFIXED);

    struct Image {
        UINT Id;
        int Width;
        int Height;
        bool Alpha;
    };
    for (const Image& image :
         {Image{135, 72, 93, false}, Image{136, 72, 93, false}, Image{137, 383, 209, true},
          Image{138, 19, 19, true}, Image{140, 288, 18, false}}) {
        SCOPED_TRACE(image.Id);
        std::unique_ptr<LMBitmap> bitmap(LoadPngResourceBitmap(image.Id));
        ASSERT_NE(nullptr, bitmap);
        EXPECT_EQ((std::vector<int>{image.Width, image.Height}),
                  (std::vector<int>{bitmap->Width, bitmap->Height}));
        EXPECT_EQ(image.Alpha, (*bitmap->PixelAt(0, 0) >> 24) == 0) << "a clear corner";
    }
    std::unique_ptr<LMBitmap> marker(LoadPngResourceBitmap(138));
    EXPECT_EQ(0xFF000000u, *marker->PixelAt(9, 9)) << "the marker's centre";
}

TEST(EditorRoutines, FillSolidRectLeavesTheLastColumnAndRowAndDialogTextsAreCopiedOrNull)
{
    DibCanvas canvas(16, 16);
    canvas.Fill(0x00123456);
    FillSolidRect(canvas.Dc(), 2, 3, 10, 8, RGB(0x10, 0x20, 0x30));
    GdiFlush();
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            bool inside = x >= 2 && x <= 8 && y >= 3 && y <= 6;
            SCOPED_TRACE(testing::Message() << x << ", " << y);
            EXPECT_EQ(inside ? 0x102030u : 0x123456u, canvas.Pixel(x, y) & 0xFFFFFF);
        }
    }

    ScopedWindow dialog(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        nullptr, nullptr));
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 10, 10, dialog.Get(),
                                reinterpret_cast<HMENU>(77), nullptr, nullptr);
    HeapText slot = DuplicateText(L"old");
    for (const wchar_t* text : {L"Frames 12", L""}) {
        SetWindowTextW(edit, text);
        GetDlgItemTextAlloc(&slot, dialog.Get(), 77);
        EXPECT_EQ(*text ? std::wstring(text) : L"(null)", slot ? slot.get() : L"(null)");
    }
    GetDlgItemTextAlloc(&slot, dialog.Get(), 78);
    EXPECT_EQ(nullptr, slot.get()) << "a missing control";
}
