#pragma once
// The editing view of a theme document: a tab dialog with the Cursors,
// Special effects, Trails and Sounds pages; on the first three a toolkit
// scene with a thumbnail grid beside a property pane. The view owns every
// toolkit object it makes; the dialogs are child windows of the view.

#include "CQVObj.h"
#include "CView.h"
#include "GridLayout.h"
#include "LMBitmapState.h"

#include <array>
#include <memory>
#include <vector>

class CEditorMFCDoc;
class CThemeEntry;

// The window property through which page and pane dialogs find their view.
constexpr const wchar_t* kClassPtrProp = L"classptr";

// Tabs, in tab control order.
constexpr int kCursorsTab = 0;
constexpr int kEffectsTab = 1;
constexpr int kTrailsTab = 2;
constexpr int kSoundsTab = 3;
constexpr int kTabCount = 4;

// The three grids, by their tab.
constexpr int kGridCount = 3;

// The edit debounce timer of the cursors, effects and trails pages.
constexpr UINT_PTR kPageTimerId = 860;
constexpr UINT kPageTimerMs = 1000;

// The item object table.
constexpr int kItemCursorThumbnails = 0;
constexpr int kItemCursorLabels = 20;
constexpr int kItemCursorMarkers = 40;
constexpr int kItemEffectMarkers = 60;
constexpr int kItemTrailMarkers = 69;
constexpr int kItemEffectThumbnails = 72;
constexpr int kItemEffectLabels = 81;
constexpr int kItemTrailThumbnails = 90;
constexpr int kItemTrailLabels = 93;
constexpr int kItemTitleBar = 96;
constexpr int kItemNormalLink = 97;
constexpr int kItemPressedLink = 98;
constexpr int kItemCount = 99;

// What the view keeps of one thumbnail grid.
struct EditorGrid {
    editor::CQVObj* Object = nullptr;
    LMObj* HoverFrame = nullptr;
    LMObj* SelectionFrame = nullptr;
    // The scene root the grid lives in; its height bounds the scroll range.
    LMObj* SceneRoot = nullptr;
    int CellWidth = 0;
    int CellHeight = 0;
    int Columns = 0;
    // The last build: which item each cell shows.
    GridLayout Layout;
};

// A pane's title bar: the adopted host over the pane's control 1018, and the
// text object that the title setters replace.
struct PaneTitle {
    LMObj* Host = nullptr;
    std::unique_ptr<LMObj> Text;
};

class CEditorMFCView : public CView {
public:
    static std::unique_ptr<CView> CreateObject();
    CEditorMFCView();
    ~CEditorMFCView() override;

    CEditorMFCDoc* GetDocument() const;
    void OnInitialUpdate() override;
    void OnDraw(HDC dc) override;
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;

    // Lays the pages, panes and scenes out for a client area of that size,
    // then rebuilds the grids.
    void OnSize(UINT type, int width, int height) override;
    virtual void SetCursorPaneTitle(const wchar_t* text);
    virtual void SetEffectPaneTitle(const wchar_t* text);
    virtual void SetTrailPaneTitle(const wchar_t* text);

    // The four tabs, the cursors page shown and the others hidden.
    void ShowPages();
    void BuildCursorGrid();
    void BuildEffectGrid();
    void BuildTrailGrid();
    void RestartCursorTimer();
    void RestartEffectTimer();
    void RestartTrailTimer();

    // Select an item and fill its pane; an index out of range does nothing.
    void ShowCursorPane(int index, int variant);
    void ShowEffectPane(int index);
    void ShowTrailPane(int index);
    // Stores the panes into the document's entries before a save.
    void CommitAllPanes();

    // Mouse input of the grids and links, in the grid's own coordinates.
    void OnGridHover(editor::CQVObj& grid, int x, int y);
    void OnGridLeave(editor::CQVObj& grid);
    void OnGridClick(editor::CQVObj& grid, int x, int y);
    // The cursor grid shows the normal (0) or pressed (1) entries.
    void ShowCursorVariant(int variant);

    // The page of a tab, and the pane and scene host of a grid's page.
    HWND Page(int tab) const;
    HWND Pane(int grid) const;
    HWND SceneHost(int grid) const;
    const EditorGrid& Grid(int grid) const { return grids_[static_cast<size_t>(grid)]; }
    editor::CQVObj* Item(int index) const;
    LMObj* PaneTitleText(int grid) const;

    HWND CursorsPage = nullptr;
    HWND EffectsPage = nullptr;
    HWND TrailsPage = nullptr;
    HWND TabHost = nullptr;
    HWND CursorsSceneHost = nullptr;
    HWND EffectsSceneHost = nullptr;
    HWND TrailsSceneHost = nullptr;
    HWND SoundsPage = nullptr;
    HWND CursorPane = nullptr;
    HWND EffectPane = nullptr;
    HWND TrailPane = nullptr;
    int SelectedCursor = -1;
    int SelectedCursorVariant = -1;
    int SelectedEffect = -1;
    int SelectedTrail = -1;
    int ShownVariant = 0;
    editor::CQVObj* CursorGrid = nullptr;
    LMObj* CursorsRoot = nullptr;
    LMObj* CursorsFrame = nullptr;
    LMObj* CursorGridContainer = nullptr;
    LMObj* CursorsBackground = nullptr;
    editor::CQVObj* EffectGrid = nullptr;
    editor::CQVObj* TrailGrid = nullptr;
    LMObj* EffectsRoot = nullptr;
    LMObj* TrailsRoot = nullptr;
    std::unique_ptr<LMBitmapState> HotSpotMarker;
    int CurrentTab = kCursorsTab;
    // 1 while a pane is being filled, so its change notifications arm nothing.
    int Filling = 0;
    editor::CQVObj* TitleBar = nullptr;
    editor::CQVObj* NormalLink = nullptr;
    editor::CQVObj* PressedLink = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    // Construction steps.
    HWND CreateChildDialog(UINT id, HWND parent, DLGPROC procedure, bool withView);
    void CreatePagesAndPanes();
    void CreatePaneTitleBars();
    void CreateCursorsScene();
    void CreateCursorsLinks();
    void CreateGridScene(int grid);
    void CreateGridFrames(int grid);
    void FillSoundList();

    // Layout steps.
    void LayOutPageControls(int width, int height);
    void LayOutScenes(int width, int height);
    void PlaceLinks();

    // Grid building.
    void BuildGrid(int grid);
    CThemeEntry* GridEntry(int grid, int item) const;
    editor::CQVObj* MakeItemObject(int index, LMObj* parent, const wchar_t* group);
    void PlaceThumbnail(int grid, const GridCell& cell, SIZE content);
    void PlaceLabel(int grid, const GridCell& cell, SIZE content);
    void HideItem(int grid, int item);
    void ResizeFrame(LMObj* frame, SIZE content);
    void SetScrollRange(int grid, int contentHeight);
    void SetHotSpot(int grid, int item, int x, int y);
    void SelectItem(int grid, int item, int cell);
    void ShowGridPane(int grid, int item);

    void SetPaneTitle(int grid, const wchar_t* text);
    void RestartTimer(HWND page);
    int GridOf(const editor::CQVObj& object) const;

    template <typename T> T* Own(std::unique_ptr<T> object)
    {
        T* kept = object.get();
        objects_.push_back(std::move(object));
        return kept;
    }
    // Deletes every toolkit object, newest first, so children go before the
    // objects they sit in.
    void ReleaseScene();
    // The document's link to the view that commits its panes goes to another
    // view of the document, or is cleared.
    void HandOverDocumentLink();

    std::array<EditorGrid, kGridCount> grids_{};
    std::array<PaneTitle, kGridCount> titles_{};
    std::array<editor::CQVObj*, kItemCount> items_{};
    std::vector<std::unique_ptr<LMObj>> objects_;
};
