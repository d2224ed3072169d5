// The view's life: construction of its dialogs and scenes, and their end.

#include "CEditorMFCView.h"

#include "CEditorMFCDoc.h"
#include "EditorDialogs.h"
#include "EditorIds.h"
#include "EditorObjects.h"
#include "LMBlankState.h"
#include "LMProcs.h"
#include "LMRectangularState.h"
#include "LMTextState.h"
#include "PngResource.h"
#include "ThemeVocabulary.h"

namespace {

constexpr POINT kPageOrigin = {16, 39};
constexpr POINT kPaneOrigin = {500, 10};
// The cursors scene: the title row above the grid, and the title's top-left.
constexpr int kTitleRowHeight = 25;
constexpr int kSceneTextTop = 5;
constexpr int kCursorGridStartHeight = 100;
constexpr int kBackgroundBorder = 5;
constexpr int kHandCursor = 14;
constexpr int kMarkerSize = 19;

// A child control's rectangle in its dialog's client coordinates.
RECT ChildRect(HWND dialog, int id)
{
    RECT rect = {};
    HWND control = GetDlgItem(dialog, id);
    if (control && GetWindowRect(control, &rect))
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// A blank dialog 131 laid over a rectangle of parent, shown.
HWND CreateBlankHost(HWND parent, const RECT& area)
{
    HWND host = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIdBlankHost),
                                   parent, BlankDlgProc, 0);
    if (host)
        SetWindowPos(host, HWND_TOP, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return host;
}

std::unique_ptr<LMBitmapState> MakeHotSpotMarker()
{
    LMBitmap* bitmap = LoadPngResourceBitmap(kIdHotSpotMarkerPng);
    if (!bitmap)
        bitmap = new LMBitmap(kMarkerSize, kMarkerSize, LMBitmapHasAlpha | LMBitmapSharedDC);
    auto state = std::make_unique<LMBitmapState>(L"Default", bitmap);
    state->SetHitMode(LMHitNever);
    return state;
}

// The steps every fixed object of a scene ends with.
template <typename T> T* PlaceFixed(T* object, LMState* state, LMObj* parent, int x, int y)
{
    if (state)
        object->AddState(state);
    object->Movable = 0;
    LMPlaceObject(*object, parent, x, y, false);
    return object;
}

// A white area in a grey border that the pointer hits.
LMRectangularState* SceneRectangle(COLORREF border, int width, int height)
{
    auto* state = new LMRectangularState(L"Default", border, 192, RGB(0xFF, 0xFF, 0xFF), 255);
    state->SetSize(width, height);
    state->SetHitMode(LMHitWholeFrame);
    state->PassThrough = 0;
    return state;
}

LMBlankState* SceneBlank(int width, int height)
{
    auto* state = new LMBlankState(L"Default");
    state->SetSize(width, height);
    state->SetHitMode(LMHitWholeFrame);
    return state;
}

// The background image stretched to the size, or null without the image.
LMBitmapState* SceneBackground(int width, int height)
{
    LMBitmap* bitmap = LoadPngResourceBitmap(kIdCursorsBackgroundPng);
    if (!bitmap)
        return nullptr;
    auto* state = new LMBitmapState(L"Default0", bitmap);
    state->ResizeBitmap(width, height, kBackgroundBorder, kBackgroundBorder, kBackgroundBorder,
                        kBackgroundBorder, 1, 1);
    state->SetHitMode(LMHitNever);
    return state;
}

LMTextState* SceneText(const wchar_t* name, const wchar_t* text, int bold, int underline,
                       COLORREF colour, int alignment)
{
    return new LMTextState(name, text, L"Segoe UI", 9, bold, 0, underline, 0, colour, alignment, 0,
                           0);
}

}  // namespace

std::unique_ptr<CView> CEditorMFCView::CreateObject()
{
    return std::make_unique<CEditorMFCView>();
}

CEditorMFCView::CEditorMFCView() : HotSpotMarker(MakeHotSpotMarker())
{
}

CEditorMFCView::~CEditorMFCView()
{
    HandOverDocumentLink();
    ReleaseScene();
}

CEditorMFCDoc* CEditorMFCView::GetDocument() const
{
    return dynamic_cast<CEditorMFCDoc*>(CView::GetDocument());
}

void CEditorMFCView::OnDraw(HDC)
{
}

BOOL CEditorMFCView::PreCreateWindow(CREATESTRUCTW& cs)
{
    return CView::PreCreateWindow(cs);
}

LRESULT CEditorMFCView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The dialogs and their scenes go while the windows still exist.
    if (message == WM_DESTROY) {
        HandOverDocumentLink();
        ReleaseScene();
    }
    return CView::WindowProc(message, wParam, lParam);
}

void CEditorMFCView::PostNcDestroy()
{
    HandOverDocumentLink();
    CView::PostNcDestroy();
}

void CEditorMFCView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    if (TabHost || !GetSafeHwnd())
        return;
    TabHost = CreateChildDialog(kIdTabHost, GetSafeHwnd(), TabHostDlgProc, true);
    if (!TabHost)
        return;
    SetWindowPos(TabHost, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    CreatePagesAndPanes();
    if (!CursorsPage || !EffectsPage || !TrailsPage || !SoundsPage || !CursorPane || !EffectPane ||
        !TrailPane)
        return;
    CreatePaneTitleBars();
    CreateCursorsScene();
    CreateGridScene(kEffectsTab);
    CreateGridScene(kTrailsTab);

    SelectedCursor = -1;
    SelectedCursorVariant = 0;
    SelectedEffect = -1;
    SelectedTrail = -1;
    BuildCursorGrid();
    BuildEffectGrid();
    BuildTrailGrid();
    FillSoundList();
    UpdateSoundButtons(0);
    ShowCursorPane(0, 0);
    ShowEffectPane(0);
    ShowTrailPane(0);
    for (EditorGrid& grid : grids_) {
        if (grid.SelectionFrame) {
            grid.SelectionFrame->Show();
            grid.SelectionFrame->MoveTo(kGridFrameInset, kGridFrameInset);
        }
    }
    if (CEditorMFCDoc* document = GetDocument())
        document->View = this;
    RECT client = {};
    GetClientRect(GetSafeHwnd(), &client);
    OnSize(0, client.right, client.bottom);
    ShowPages();
    for (LMObj* object :
         {static_cast<LMObj*>(CursorGrid), CursorGridContainer, CursorsFrame, CursorsRoot}) {
        if (object)
            object->Show();
    }
}

HWND CEditorMFCView::CreateChildDialog(UINT id, HWND parent, DLGPROC procedure, bool withView)
{
    HWND dialog =
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), parent, procedure, 0);
    if (dialog && withView)
        SetPropW(dialog, kClassPtrProp, this);
    return dialog;
}

void CEditorMFCView::CreatePagesAndPanes()
{
    struct PageSpec {
        UINT Page;
        DLGPROC PageProc;
        UINT Pane;
        DLGPROC PaneProc;
        HWND* PageSlot;
        HWND* PaneSlot;
    };
    const PageSpec specs[] = {
        {kIdCursorsPage, CursorsPageDlgProc, kIdCursorPane, CursorPaneDlgProc, &CursorsPage,
         &CursorPane},
        {kIdEffectsPage, EffectsPageDlgProc, kIdEffectPane, EffectPaneDlgProc, &EffectsPage,
         &EffectPane},
        {kIdTrailsPage, TrailsPageDlgProc, kIdTrailPane, TrailPaneDlgProc, &TrailsPage, &TrailPane},
    };
    for (const PageSpec& spec : specs) {
        HWND page = CreateChildDialog(spec.Page, TabHost, spec.PageProc, true);
        if (!page)
            return;
        // Above the tab control, which the pages lie on.
        SetWindowPos(page, HWND_TOP, kPageOrigin.x, kPageOrigin.y, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE);
        LMProcs::EnableTabTexture(page);
        if (spec.PageSlot == &CursorsPage)
            ShowWindow(page, SW_SHOW);
        *spec.PageSlot = page;
        HWND pane = CreateChildDialog(spec.Pane, page, spec.PaneProc, true);
        if (!pane)
            return;
        SetWindowPos(pane, HWND_TOP, kPaneOrigin.x, kPaneOrigin.y, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        LMProcs::EnableTabTexture(pane);
        *spec.PaneSlot = pane;
    }
    SoundsPage = CreateChildDialog(kIdSoundsPage, TabHost, SoundsPageDlgProc, true);
    if (SoundsPage) {
        SetWindowPos(SoundsPage, HWND_TOP, kPageOrigin.x, kPageOrigin.y, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE);
        LMProcs::EnableTabTexture(SoundsPage);
    }
}

void CEditorMFCView::CreatePaneTitleBars()
{
    for (int grid = 0; grid < kGridCount; ++grid) {
        HWND host = CreateBlankHost(Pane(grid), ChildRect(Pane(grid), kIdPaneTitleArea));
        if (!host)
            continue;
        LMObj* adopted = Own(std::make_unique<LMObj>(host));
        adopted->Realize();
        Own(CreateResourceBitmapObject(adopted, 0, 0, kIdPaneTitlePng));
        adopted->Show();
        titles_[static_cast<size_t>(grid)].Host = adopted;
    }
}

void CEditorMFCView::CreateCursorsScene()
{
    RECT area = ChildRect(CursorsPage, kIdSceneArea);
    const int w = area.right - area.left, h = area.bottom - area.top;
    CursorsSceneHost = CreateBlankHost(CursorsPage, area);
    if (!CursorsSceneHost)
        return;
    CursorsRoot = Own(std::make_unique<LMObj>(CursorsSceneHost));
    CursorsRoot->Movable = 0;
    CursorsRoot->Realize();
    CursorsFrame = PlaceFixed(Own(std::make_unique<LMObj>(LMObjWindowless)),
                              SceneRectangle(RGB(0x78, 0x78, 0x78), w, h), CursorsRoot, 0, 0);
    CursorGridContainer =
        PlaceFixed(Own(std::make_unique<LMObj>(LMObjWindowless)),
                   SceneBlank(w, h - kTitleRowHeight), CursorsFrame, 0, kTitleRowHeight);
    CursorGridContainer->SetGroupName(L"Preview");
    // Never shown: as the frame's later child it would cover the grid.
    CursorsBackground =
        PlaceFixed(Own(std::make_unique<LMObj>(LMObjWindowless)),
                   SceneBackground(w, h - kTitleRowHeight), CursorsFrame, 0, kTitleRowHeight);
    CursorsBackground->SetGroupName(L"Preview");

    CursorGrid = Own(std::make_unique<editor::CQVObj>(LMObjWindowless, this));
    CursorGrid->Kind = editor::kQVCursorGrid;
    PlaceFixed(CursorGrid, SceneBlank(w, kCursorGridStartHeight), CursorGridContainer, 0, 0);
    grids_[kCursorsTab].Object = CursorGrid;
    grids_[kCursorsTab].SceneRoot = CursorsRoot;

    TitleBar = Own(std::make_unique<editor::CQVObj>(LMObjWindowless, this));
    TitleBar->AddState(SceneText(L"Normal", L"Normal cursor states", 1, 0, RGB(0, 0, 0), DT_RIGHT));
    PlaceFixed(TitleBar,
               SceneText(L"Pressed", L"Pressed cursor states", 1, 0, RGB(0, 0, 0), DT_RIGHT),
               CursorsFrame, kSceneTextTop, kSceneTextTop);
    TitleBar->Show();
    items_[kItemTitleBar] = TitleBar;

    CreateCursorsLinks();
    CreateGridFrames(kCursorsTab);
}

void CEditorMFCView::CreateCursorsLinks()
{
    const std::pair<int, const wchar_t*> links[] = {
        {editor::kQVNormalLink, L"View normal state"},
        {editor::kQVPressedLink, L"View pressed state"}};
    for (const auto& [kind, text] : links) {
        auto* link = Own(std::make_unique<editor::CQVObj>(LMObjWindowless, this));
        link->Kind = kind;
        link->HoverText = 1;
        link->CursorIndex = kHandCursor;
        link->Movable = 0;
        link->SetParent(CursorsFrame);
        link->AddState(SceneText(L"Away", text, 0, 0, RGB(0, 0, 0xFF), DT_VCENTER));
        link->AddState(SceneText(L"Over", text, 0, 1, RGB(0x33, 0x33, 0xFF), DT_VCENTER));
        link->Realize();
        if (kind == editor::kQVPressedLink)
            link->Show();
        (kind == editor::kQVNormalLink ? NormalLink : PressedLink) = link;
        items_[kind == editor::kQVNormalLink ? kItemNormalLink : kItemPressedLink] = link;
    }
    PlaceLinks();
}

void CEditorMFCView::CreateGridScene(int grid)
{
    HWND page = Page(grid);
    RECT area = ChildRect(page, kIdSceneArea);
    HWND host = CreateBlankHost(page, area);
    if (!host)
        return;
    LMObj* root = Own(std::make_unique<LMObj>(host));
    root->Movable = 0;
    root->Realize();
    root->Show();
    auto* object = Own(std::make_unique<editor::CQVObj>(LMObjWindowless, this));
    object->Kind = grid == kEffectsTab ? editor::kQVEffectGrid : editor::kQVTrailGrid;
    PlaceFixed(
        object,
        SceneRectangle(RGB(0xA0, 0xA0, 0xA0), area.right - area.left, area.bottom - area.top), root,
        0, 0);
    object->Show();

    if (grid == kEffectsTab) {
        EffectsSceneHost = host;
        EffectsRoot = root;
        EffectGrid = object;
    } else {
        TrailsSceneHost = host;
        TrailsRoot = root;
        TrailGrid = object;
    }
    grids_[static_cast<size_t>(grid)].Object = object;
    grids_[static_cast<size_t>(grid)].SceneRoot = root;
    CreateGridFrames(grid);
}

void CEditorMFCView::CreateGridFrames(int grid)
{
    EditorGrid& slot = grids_[static_cast<size_t>(grid)];
    for (UINT png : {kIdHoverFramePng, kIdSelectionFramePng}) {
        LMObj* frame = Own(std::make_unique<LMObj>(LMObjWindowless));
        if (LMBitmap* bitmap = LoadPngResourceBitmap(png)) {
            auto* state = new LMBitmapState(L"Default0", bitmap);
            state->SetHitMode(LMHitNever);
            frame->AddState(state);
        }
        frame->SetParent(slot.Object);
        frame->Realize();
        frame->MoveTo(0, 0);
        (png == kIdHoverFramePng ? slot.HoverFrame : slot.SelectionFrame) = frame;
    }
}

void CEditorMFCView::FillSoundList()
{
    HWND list = GetDlgItem(SoundsPage, kIdSoundList);
    for (const wchar_t* name : kMouseEventNames)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendMessageW(list, LB_SETCURSEL, 0, 0);
}

void CEditorMFCView::ReleaseScene()
{
    for (HWND dialog : {TabHost, CursorsPage, EffectsPage, TrailsPage, SoundsPage, CursorPane,
                        EffectPane, TrailPane}) {
        if (dialog)
            RemovePropW(dialog, kClassPtrProp);
    }
    for (PaneTitle& title : titles_)
        title.Text.reset();
    while (!objects_.empty()) {
        // Thumbnails and markers hold copies that nothing else owns.
        if (objects_.back()->StatesNotOwned)
            objects_.back()->DeleteStates();
        objects_.pop_back();
    }
    titles_ = {};
    grids_ = {};
    items_.fill(nullptr);
    TabHost = CursorsPage = EffectsPage = TrailsPage = SoundsPage = nullptr;
    CursorPane = EffectPane = TrailPane = nullptr;
    CursorsSceneHost = EffectsSceneHost = TrailsSceneHost = nullptr;
    CursorGrid = EffectGrid = TrailGrid = TitleBar = NormalLink = PressedLink = nullptr;
    CursorsRoot = CursorsFrame = CursorGridContainer = CursorsBackground = nullptr;
    EffectsRoot = TrailsRoot = nullptr;
}

void CEditorMFCView::HandOverDocumentLink()
{
    CEditorMFCDoc* document = GetDocument();
    if (!document || document->View != this)
        return;
    document->View = nullptr;
    for (CView* other : document->Views()) {
        auto* view = dynamic_cast<CEditorMFCView*>(other);
        if (view && view != this && view->TabHost) {
            document->View = view;
            return;
        }
    }
}

HWND CEditorMFCView::Page(int tab) const
{
    const HWND pages[kTabCount] = {CursorsPage, EffectsPage, TrailsPage, SoundsPage};
    return tab >= 0 && tab < kTabCount ? pages[tab] : nullptr;
}

HWND CEditorMFCView::Pane(int grid) const
{
    const HWND panes[kGridCount] = {CursorPane, EffectPane, TrailPane};
    return grid >= 0 && grid < kGridCount ? panes[grid] : nullptr;
}

HWND CEditorMFCView::SceneHost(int grid) const
{
    const HWND hosts[kGridCount] = {CursorsSceneHost, EffectsSceneHost, TrailsSceneHost};
    return grid >= 0 && grid < kGridCount ? hosts[grid] : nullptr;
}

editor::CQVObj* CEditorMFCView::Item(int index) const
{
    return index >= 0 && index < kItemCount ? items_[static_cast<size_t>(index)] : nullptr;
}

LMObj* CEditorMFCView::PaneTitleText(int grid) const
{
    return grid >= 0 && grid < kGridCount ? titles_[static_cast<size_t>(grid)].Text.get() : nullptr;
}
