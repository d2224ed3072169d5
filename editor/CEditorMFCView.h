#pragma once
// The editing view of a theme document: a tab dialog with the Cursors,
// Special effects, Trails and Sounds pages; on the first three a toolkit
// scene with a thumbnail grid beside a property pane. The view owns every
// toolkit object it makes; the dialogs are child windows of the view.

#include "CQVObj.h"
#include "CView.h"
#include "GridLayout.h"
#include "LMBitmapState.h"

#include <mmsystem.h>

#include <array>
#include <memory>
#include <vector>

// mmsystem.h makes PlaySound a macro; here it is the view's operation.
#ifdef PlaySound
#undef PlaySound
#endif

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
    // The timer of a grid's page.
    void RestartGridTimer(int grid);

    // Select an item and fill its pane; an index out of range does nothing.
    void ShowCursorPane(int index, int variant);
    void ShowEffectPane(int index);
    void ShowTrailPane(int index);
    // Store a pane into its entry; -1, or an entry that is missing, does nothing.
    void CommitCursorPane(int index, int variant);
    void CommitEffectPane(int index);
    void CommitTrailPane(int index);
    // Stores the panes into the document's entries before a save.
    void CommitAllPanes();

    // The pane's item takes the image, or shows the placeholder again.
    void ImportCursorImage(const wchar_t* path);
    void ImportEffectImage(const wchar_t* path);
    void ImportTrailImage(const wchar_t* path);
    void RemoveCursor();
    void RemoveEffect();
    void RemoveTrail();
    // The hot-spot boxes of a grid's pane show the middle of one frame.
    void CentreHotSpot(int grid);
    // The cursors page's scroll bar moved (a WM_VSCROLL code).
    void ScrollCursorGrid(int code);
    // The page timer of a grid fired: its pane is stored and the grid rebuilt.
    void OnPageTimer(int grid);
    // A pane's button: import (with the open dialog), remove or centre.
    void OnPaneButton(int grid, UINT id);

    // The sounds page, by mouse event.
    void UpdateSoundButtons(int event);
    void PlaySound(int event);
    // 1 when the file became the event's sound; otherwise a box says why and
    // the sound the event had stays.
    int SetSound(int event, const wchar_t* path);
    void RemoveSound(int event);
    // The sounds page's list and buttons.
    void OnSoundListNotify();
    void OnSoundButton(UINT id);
    void DrawSoundRow(const DRAWITEMSTRUCT& item);

    bool OnCmdMsg(UINT id, UINT code, bool execute) override;
    // The view's edit box that has the keyboard focus, or null.
    HWND FocusedBox() const;
    void OnThemeProperties();
    void OnApply();
    void OnSaveAndApply();
    void OnEditCopy();
    void OnEditPaste();

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
    // The panes' steps, by grid.
    CThemeEntry* PaneEntry(int grid, int index, int variant) const;
    void FillPane(int grid, const CThemeEntry* entry);
    void CommitPane(int grid, CThemeEntry* entry);
    // Other windows on the document that show the entry in their pane show
    // it again as stored: a save commits one view's panes, which must not put
    // back what another window changed.
    void RefreshOtherPanes(int grid, const CThemeEntry* entry);
    void CommitSelectedPane(int grid);
    void ImportImage(int grid, const wchar_t* path);
    void RemoveItem(int grid);
    int SelectedItem(int grid) const;
    // The selected sound row; -1 when none.
    int SelectedSoundRow() const;
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
