// The thumbnail grids: cells, hover and selection frames, hot spots set by
// clicking, the pressed variant, items without an image, and bad entries.

#include "CMDIChildWnd.h"
#include "EditorIds.h"
#include "LMObjWindow.h"
#include "ViewTestSupport.h"

namespace {

std::vector<int> Place(const LMObj* object)
{
    return {object->Shown, object->VisibleX, object->VisibleY};
}

const LMBitmapState* ShownState(const LMObj* object)
{
    return object ? dynamic_cast<const LMBitmapState*>(object->CurrentState) : nullptr;
}

}  // namespace

TEST_F(EditorViewTest, EffectGridHoversSelectsAndSetsTheHotSpotOfTheClickedEffect)
{
    StartView();
    CEditorMFCDoc* document = Document(0);
    document->GetEffect(5)->HotSpotX = 4;
    ASSERT_EQ(1, document->ImportEffectImage(5, WriteBmp(L"effect.bmp", 48, 40).c_str()));
    view_->OnSize(0, 900, 600);
    const EditorGrid& grid = view_->Grid(kEffectsTab);
    EXPECT_EQ((std::vector<int>{108, 106, 4}),
              (std::vector<int>{grid.CellWidth, grid.CellHeight, grid.Columns}));
    EXPECT_EQ((std::vector<int>{0, 0, 108, 112}), ObjectRect(grid.HoverFrame));
    EXPECT_EQ((std::vector<int>{3, 3, 108, 112}), ObjectRect(grid.SelectionFrame));
    EXPECT_EQ(530, grid.Object->VisibleHeight);
    SCROLLINFO range = {sizeof(range), SIF_RANGE, -1, -1, 0, 0, 0};
    GetScrollInfo(GetDlgItem(view_->EffectsPage, 1007), SB_CTL, &range);
    EXPECT_EQ((std::vector<int>{0, 0}), (std::vector<int>{range.nMin, range.nMax}));

    // A deep, premultiplied copy drawn without the hot-spot offset.
    const LMObj* thumbnail = view_->Item(kItemEffectThumbnails + 5);
    EXPECT_EQ((std::vector<int>{141, 133, 48, 40}), ObjectRect(thumbnail));
    const LMBitmapState* shown = ShownState(thumbnail);
    ASSERT_NE(nullptr, shown);
    EXPECT_EQ(L"Normal", shown->Name);
    EXPECT_NE(document->GetEffect(5)->Animation->Bitmap, shown->Bitmap);
    EXPECT_EQ((std::vector<int>{-4, 0, 0, 1}),
              (std::vector<int>{document->GetEffect(5)->Animation->OffsetX, shown->OffsetX,
                                shown->OffsetY, shown->Bitmap->Premultiplied}));
    // Trail thumbnails loop whatever their entry says.
    const CThemeTrail* trail = document->GetTrail(0);
    EXPECT_EQ((std::vector<int>{0, 0, LMFrameLoop}),
              (std::vector<int>{trail->Loop, trail->Animation->FrameFlags & LMFrameLoop,
                                ShownState(view_->Item(kItemTrailThumbnails))->FrameFlags &
                                    LMFrameLoop}));

    struct Move {
        int X, Y;
        std::vector<int> Frame;  // shown, x, y
    };
    const Move moves[] = {
        {240, 150, {1, 219, 109}}, {240, 260, {0, 219, 109}},
        {5, 5, {1, 3, 3}},         {100, 530, {1, 3, 3}},  // below the grid: nothing changes
        {440, 20, {0, 3, 3}},
    };
    for (const Move& move : moves) {
        SCOPED_TRACE(testing::Message() << move.X << ", " << move.Y);
        grid.Object->OnMouseMove(move.X, move.Y);
        EXPECT_EQ(move.Frame, Place(grid.HoverFrame));
    }

    grid.Object->OnLButtonUp(150, 140, 0);
    EXPECT_EQ(5, view_->SelectedEffect);
    EXPECT_EQ(L"Middle double-click properties", PaneTitleOf(*view_, kEffectsTab));
    EXPECT_EQ((std::vector<int>{1, 111, 109}), Place(grid.SelectionFrame));
    EXPECT_EQ((std::vector<int>{4, 0}), (std::vector<int>{document->GetEffect(5)->HotSpotX,
                                                          document->GetEffect(5)->HotSpotY}));
    // An interval typed just before the click survives the pane's refill.
    SetDlgItemTextW(view_->EffectPane, kIdIntervalBox, L"75");
    grid.Object->OnLButtonUp(160, 150, 0);
    EXPECT_EQ((std::vector<int>{19, 17}), (std::vector<int>{document->GetEffect(5)->HotSpotX,
                                                            document->GetEffect(5)->HotSpotY}));
    EXPECT_EQ(75, document->GetEffect(5)->Interval);
    EXPECT_EQ(L"75", BoxTexts(view_->EffectPane, {kIdIntervalBox})[0]);
    EXPECT_EQ((std::vector<int>{1, 151, 141}), Place(view_->Item(kItemEffectMarkers + 5)));
    EXPECT_EQ((std::vector<int>{1, 111, 109}), Place(grid.SelectionFrame));
    // A click on the cell's label or margin takes the frame's nearest edge.
    for (const auto& [x, y, spotX, spotY] :
         {std::tuple{220, 215, 47, 39}, {120, 118, 0, 0}, {160, 150, 19, 17}}) {
        SCOPED_TRACE(testing::Message() << x << ", " << y);
        grid.Object->OnLButtonUp(x, y, 0);
        EXPECT_EQ(
            (std::vector<int>{spotX, spotY}),
            (std::vector<int>{document->GetEffect(5)->HotSpotX, document->GetEffect(5)->HotSpotY}));
        EXPECT_EQ((std::vector<int>{1, 141 + spotX - 9, 133 + spotY - 9}),
                  Place(view_->Item(kItemEffectMarkers + 5)));
    }

    // A rebuild keeps the selection and puts a scrolled cursor grid back.
    view_->CursorGrid->MoveTo(0, -40);
    view_->BuildCursorGrid();
    view_->BuildEffectGrid();
    EXPECT_EQ((std::vector<int>{0, 0}),
              (std::vector<int>{view_->CursorGrid->VisibleX, view_->CursorGrid->VisibleY}));
    EXPECT_EQ((std::vector<int>{1, 111, 109}), Place(grid.SelectionFrame));
    EXPECT_EQ(5, view_->SelectedEffect);

    std::wstring path = folder_.File(L"Effects.Trivane");
    ASSERT_TRUE(document->DoSave(path.c_str(), TRUE));
    CTheme saved;
    ASSERT_EQ(1, saved.Load(path.c_str(), 0));
    ASSERT_NE(nullptr, saved.GetEffect(5));
    EXPECT_EQ((std::vector<int>{19, 17}),
              (std::vector<int>{saved.GetEffect(5)->HotSpotX, saved.GetEffect(5)->HotSpotY}));
}

TEST_F(EditorViewTest, TheLinksSwitchTheCursorGridBetweenNormalAndPressedEntries)
{
    StartView();
    CEditorMFCDoc* document = Document(0);
    ASSERT_EQ(1, document->ImportCursorImage(12, 1, WriteBmp(L"pressed.bmp", 64, 64).c_str()));
    // Role 12 is the first cell of the fourth row.
    view_->CursorGrid->OnLButtonUp(10, 7 + 3 * 106 + 10, 0);
    ASSERT_EQ(12, view_->SelectedCursor);

    struct Row {
        LMObj* Link;
        int Variant;
        const wchar_t* Title;
        std::vector<int> LinksShown;  // normal, pressed
        const wchar_t* Pane;
        int ThumbnailWidth;
    };
    const Row rows[] = {
        {view_->PressedLink, 1, L"Pressed", {1, 0}, L"Pressed - North-west resize properties", 64},
        {view_->NormalLink, 0, L"Normal", {0, 1}, L"Normal - North-west resize properties", 32},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Title);
        row.Link->OnLButtonUp(2, 2, 0);
        EXPECT_EQ(row.Variant, view_->ShownVariant);
        EXPECT_EQ((std::vector<int>{12, row.Variant}),
                  (std::vector<int>{view_->SelectedCursor, view_->SelectedCursorVariant}));
        EXPECT_EQ(row.Title, view_->TitleBar->CurrentState->Name);
        EXPECT_EQ(row.LinksShown,
                  (std::vector<int>{view_->NormalLink->Shown, view_->PressedLink->Shown}));
        EXPECT_EQ(row.Pane, PaneTitleOf(*view_, kCursorsTab));
        const LMBitmapState* shown = ShownState(view_->Item(kItemCursorThumbnails + 12));
        ASSERT_TRUE(shown && shown->Bitmap);
        EXPECT_EQ((std::vector<int>{row.ThumbnailWidth, row.ThumbnailWidth}),
                  (std::vector<int>{shown->Bitmap->Width, shown->Bitmap->Height}));
        EXPECT_NE(document->FindCursor(12, row.Variant)->Animation->Bitmap, shown->Bitmap);
    }
}

TEST_F(EditorViewTest, AnItemWithoutAnImageTakesNoCellAndClicksReachTheShownItem)
{
    StartView();
    CEditorMFCDoc* document = Document(0);
    CEditorMFCDoc::ClipboardEntry().Release();
    document->PasteEffect(1);
    ASSERT_EQ(nullptr, document->GetEffect(1)->Animation);
    view_->BuildEffectGrid();
    const EditorGrid& grid = view_->Grid(kEffectsTab);
    for (int base : {kItemEffectThumbnails, kItemEffectLabels, kItemEffectMarkers})
        EXPECT_EQ(0, view_->Item(base + 1)->Shown) << base;
    // Effect 2's thumbnail (32 x 32) is centred in the second cell.
    EXPECT_EQ((std::vector<int>{1, 149, 31}), Place(view_->Item(kItemEffectThumbnails + 2)));

    grid.Object->OnLButtonUp(120, 20, 0);
    EXPECT_EQ(2, view_->SelectedEffect);
    EXPECT_EQ(L"Left double-click properties", PaneTitleOf(*view_, kEffectsTab));
    grid.Object->OnLButtonUp(160, 40, 0);
    EXPECT_EQ((std::vector<int>{11, 9}), (std::vector<int>{document->GetEffect(2)->HotSpotX,
                                                           document->GetEffect(2)->HotSpotY}));
    EXPECT_EQ(0, document->GetEffect(1)->HotSpotX);

    for (POINT point : {POINT{10, 7 + 2 * 106 + 10}, POINT{440, 20}}) {
        SCOPED_TRACE(point.x);
        grid.Object->OnMouseMove(5, 5);
        ASSERT_EQ(1, grid.HoverFrame->Shown);
        grid.Object->OnMouseMove(point.x, point.y);
        EXPECT_EQ(0, grid.HoverFrame->Shown);
    }
}

TEST_F(EditorViewTest, ClosingASecondWindowHandsTheDocumentToTheViewLeft)
{
    StartView();
    CEditorMFCDoc* document = Document(0);
    Command(kIdWindowNew);
    ASSERT_EQ(2u, document->Views().size());
    auto* second = dynamic_cast<CEditorMFCView*>(document->Views()[1]);
    EXPECT_EQ(second, document->View);
    SendMessageW(second->GetParentFrame()->GetSafeHwnd(), WM_CLOSE, 0, 0);
    ASSERT_EQ(1u, document->Views().size());
    EXPECT_EQ(view_, document->View);

    std::wstring path = folder_.File(L"Two views.Trivane");
    EXPECT_TRUE(document->DoSave(path.c_str(), TRUE));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.c_str()));
}

TEST_F(EditorViewTest, BadEntriesAndManyWindowsLeaveTheGridsWhole)
{
    StartView();
    CEditorMFCDoc* document = Document(0);
    // An entry wider than the view gets a column of its own.
    ASSERT_EQ(1, document->ImportCursorImage(0, 0, WriteBmp(L"wide.bmp", 2000, 16).c_str()));
    document->FindCursor(0, 0)->Animation->SetFrames(1, 50, 0x18);
    ASSERT_EQ(1, document->ImportEffectImage(0, WriteBmp(L"dot.bmp", 1, 1).c_str()));
    view_->OnSize(0, 900, 600);
    const EditorGrid& cursors = view_->Grid(kCursorsTab);
    EXPECT_EQ((std::vector<int>{2008, 106, 1}),
              (std::vector<int>{cursors.CellWidth, cursors.CellHeight, cursors.Columns}));
    EXPECT_EQ((std::vector<int>{1, 7, 39}), Place(view_->Item(kItemCursorThumbnails + 0)));
    EXPECT_EQ((std::vector<int>{1, 991, 7 + 19 * 106 + 24}),
              Place(view_->Item(kItemCursorThumbnails + 19)));
    cursors.Object->OnLButtonUp(1500, 7 + 106 + 20, 0);
    EXPECT_EQ(1, view_->SelectedCursor);
    EXPECT_EQ(108, view_->Grid(kEffectsTab).CellWidth);

    // No cursor has an image: no cell, nothing to hover or click.
    for (const auto& cursor : document->Theme->Cursors)
        cursor->Animation.reset();
    view_->BuildCursorGrid();
    EXPECT_TRUE(cursors.Layout.Cells.empty());
    for (int item = 0; item < 20; ++item)
        EXPECT_EQ(0, view_->Item(kItemCursorThumbnails + item)->Shown) << item;
    cursors.Object->OnMouseMove(20, 20);
    EXPECT_EQ(0, cursors.HoverFrame->Shown);
    cursors.Object->OnLButtonUp(20, 20, 0);
    EXPECT_EQ(1, view_->SelectedCursor);

    for (int more = 1; more < 10; ++more)
        ASSERT_NE(nullptr, NewDocument()) << more;
    EXPECT_EQ(60u, AdoptedWindowTable.size()) << "six adopted windows per view";
    for (size_t index = 1; index < 10; ++index) {
        SCOPED_TRACE(index);
        ASSERT_NE(nullptr, View(index));
        EXPECT_EQ(20u, View(index)->Grid(kCursorsTab).Layout.Cells.size());
    }
}
