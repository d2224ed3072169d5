#pragma once
// The page's first pane (dialog 106): the strip of installed themes over the
// preview of the theme chosen in it. Choosing only previews; the pane also
// deletes theme files and follows changes of the Themes folder.

#include "OwnedObjects.h"
#include "ThemeLists.h"
#include "ThemePaneLayout.h"
#include "ThemesFolderWatcher.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CTheme;
class ThemeListBuild;
class LMBitmapState;

namespace cpl {

class CQVObj;

// Object ids of the pane.
constexpr int32_t kThemeStripId = 101;
constexpr int32_t kThemePreviewId = 102;
// The strip host's refill timer, and the message by which the watcher
// thread asks for it.
constexpr UINT_PTR kRefillTimer = 101;
constexpr UINT kRefillRequest = WM_APP + 101;
constexpr UINT kRefillDelayMs = 1000;

// The popup menu at a screen point, owned by window: the command picked, or 0.
using PopupMenuHandler = std::function<int(HWND owner, POINT screenPoint)>;

class CThemePane {
public:
    void Create(HWND paneWindow);
    // Stops the watcher and deletes the pane's objects with the page.
    void Destroy();
    // Rebuilds the strip from the Themes folder.
    void FillThemeList();
    // Shows the 20 roles of theme below the strip.
    void BuildPreview(const CTheme& theme);
    // Opacity of the preview cells: 255 enabled, 128 greyed.
    void SetPreviewEnabled(int enabled);
    void Save();
    void Cancel();

    void OnLButtonUp(CQVObj& object, int x, int y, int dragged);
    void OnLButtonDown(CQVObj& object, int x, int y);
    void OnRButtonUp(CQVObj& object, int x, int y, int dragged);
    void OnMouseMove(CQVObj& object, int x, int y);
    void OnDoubleClick(CQVObj& object, int x, int y);

    // A scroll request of a bar of the pane window (WM_HSCROLL, WM_VSCROLL).
    void OnScroll(HWND bar, int code);

    // The record shown in a strip cell, or null.
    const ThemeListEntry* RecordOfCell(int cell) const;

    HWND Window = nullptr;
    HWND StripHost = nullptr;    // dialog 103 over the strip area
    HWND PreviewHost = nullptr;  // dialog 103 over the preview area
    CQVObj* StripList = nullptr;
    LMObj* SelectionFrame = nullptr;
    CQVObj* PreviewList = nullptr;
    // The strip's cells: the index in the cursor theme list of each.
    std::vector<size_t> CellRecords;
    // The preview's pictures and their captions, in role order.
    std::vector<LMObj*> PreviewCells;
    std::vector<LMObj*> PreviewCaptions;
    int PreviewRowHeight = 0;
    // The theme last chosen in the strip: its record and its path (empty
    // until one is chosen). It lives for the process.
    ThemeListEntry ChosenTheme{};
    wchar_t ChosenPath[MAX_PATH] = {};

    // Tests put in a folder of their own and a menu that answers at once.
    std::wstring ThemesFolder;   // empty: the Themes folder
    PopupMenuHandler PopupMenu;  // empty: a real popup menu
    int RefillCount = 0;         // refills made

private:
    void BuildStrip();
    void BuildPreviewArea();
    std::wstring Folder() const;
    void ClearStrip();
    void ClearPreview();
    bool AddStripCell(size_t record, ThemeListBuild& build);
    void MarkChosenCaption();
    void ChooseCell(int cell);
    void OfferDelete(int cell);
    void AddPreviewCell(const CTheme& theme, int role, const PreviewGrid& grid, int greyed);
    void SetPreviewScroll(int listHeight);
    // Every preview picture that has the look switches to it.
    void SetCellsState(const wchar_t* name);

    OwnedObjects objects_;         // hosts, lists, frames and captions
    OwnedObjects stripObjects_;    // thumbnails and captions of the cells
    OwnedObjects previewObjects_;  // preview pictures and captions
    std::unique_ptr<CTheme> clickedTheme_;
    ThemesFolderWatcher watcher_;
    bool filling_ = false;
};

// The picture of a role's cursor in state (1 normal, 2 pressed) when it has
// pixels to show, or null.
const LMBitmapState* RolePicture(const CTheme& theme, int role, int state);

// The library's one theme pane.
extern CThemePane ThemePane;

// Dialog procedure of dialog 106: scrolls the strip and the preview.
INT_PTR CALLBACK ThemePaneScrollProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Dialog procedure of both hosts: the refill timer of the strip host.
INT_PTR CALLBACK ThemePaneTimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace cpl
