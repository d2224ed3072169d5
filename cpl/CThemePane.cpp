// The theme pane's strip: its objects, the refill from the Themes folder,
// and what a hover, click or right click on a cell does.

#include "CThemePane.h"

#include "COptionsPane.h"
#include "CQVObj.h"
#include "CTheme.h"
#include "ChildDialogs.h"
#include "CplResources.h"
#include "LMInputSource.h"
#include "LMMessageBox.h"
#include "LMTextState.h"
#include "ObjectFactories.h"
#include "ProductCaption.h"
#include "SettingsPage.h"
#include "ThemeFileDeletion.h"
#include "ThemeListBuild.h"
#include "ThemeLocations.h"
#include "UiTextFormat.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

namespace cpl {

CThemePane ThemePane;

namespace {

constexpr COLORREF kAreaBorder = 0xA0A0A0;
constexpr COLORREF kAreaFill = 0xFFFFFF;
constexpr int kAreaFrameMargin = 7;
constexpr int kStripTop = 20;
constexpr int kDeleteCommand = 1;

// The thumbnail's look: the picture's own state sharing its bitmap, or a
// shrunk copy when it is larger than a cell's picture area.
LMBitmapState* ThumbnailState(const LMBitmapState& picture)
{
    int width = picture.FrameWidth, height = picture.FrameHeight;
    bool fits = width <= kStripPictureSide && height <= kStripPictureSide;
    auto* state = new LMBitmapState(L"Default", picture, !fits);
    if (!fits) {
        int64_t side = kStripPictureSide;
        int newWidth = static_cast<int>(width >= height ? side : side * width / height);
        int newHeight = static_cast<int>(height >= width ? side : side * height / width);
        state->ResizeBitmap(std::max(newWidth, 1), std::max(newHeight, 1), 0, 0, 0, 0, 1, 1);
    }
    state->OffsetX = state->OffsetY = 0;
    return state;
}

LMTextState* CaptionText(const wchar_t* name, const wchar_t* text, int bold)
{
    auto* state = new LMTextState(name, text, kPageFace, kPageTextSize, bold, 0, 0, 0, 0,
                                  kTextCentred, kStripPictureSide, 0);
    state->SetHitMode(LMHitNever);
    return state;
}

int ShowDeleteMenu(HWND owner, POINT at)
{
    ScopedMenu menu(CreatePopupMenu());
    if (!menu || !AppendMenuW(menu.Get(), MF_STRING, kDeleteCommand, L"Delete"))
        return 0;
    return TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0,
                          owner, nullptr);
}

}  // namespace

const LMBitmapState* RolePicture(const CTheme& theme, int role, int state)
{
    const CThemeCursor* cursor = theme.FindCursor(role, state, kThemeCursorGroup);
    const LMBitmapState* picture = cursor ? cursor->Animation.get() : nullptr;
    if (!picture || !picture->Bitmap || !picture->Bitmap->HasPixels() || picture->FrameWidth <= 0 ||
        picture->FrameHeight <= 0)
        return nullptr;
    return picture;
}

void CThemePane::Create(HWND paneWindow)
{
    Window = paneWindow;
    StripHost = CreateDialogOver(paneWindow, IDD_CPL_HOST, ThemePaneTimerProc, IDC_CPL_STRIP_AREA);
    PreviewHost =
        CreateDialogOver(paneWindow, IDD_CPL_HOST, ThemePaneTimerProc, IDC_CPL_PREVIEW_AREA);
    BuildStrip();
    BuildPreviewArea();
    FillThemeList();
    if (ChosenPath[0] && GetFileAttributesW(ChosenPath) != INVALID_FILE_ATTRIBUTES) {
        auto theme = std::make_unique<CTheme>();
        if (theme->Load(ChosenPath, 0)) {
            clickedTheme_ = std::move(theme);
            BuildPreview(*clickedTheme_);
        }
    }
    watcher_.Start(Folder(), StripHost, kRefillRequest);
}

void CThemePane::BuildStrip()
{
    auto* host = objects_.Keep(std::make_unique<CQVObj>(StripHost));
    host->Movable = 0;
    host->Realize();
    host->Show();
    SIZE area = ClientSize(StripHost);
    int height = area.cy - kStripTop;
    CQVObj* rect =
        objects_.Keep(CreateRectObj(host, 0, kStripTop, area.cx, height, kAreaBorder, kAreaFill));
    StripList = objects_.Keep(CreateBlankObj(rect, 0, 0, area.cx, height));
    StripList->Id = kThemeStripId;
    StripList->Movable = 0;
    StripList->SetGroupName(L"ThemeList");
    CQVObj* frame = objects_.Keep(CreateFrameObj(rect, 0, 0, area.cx, height, kAreaFrameMargin,
                                                 kAreaFrameMargin, kAreaFrameMargin,
                                                 kAreaFrameMargin, IDP_CPL_STRIP_FRAME));
    frame->SetGroupName(L"ThemeList");
    POINT first = StripSelectionPosition(0);
    SelectionFrame = objects_.Keep(
        CreateFrameObj(StripList, first.x, first.y, 72, 98, 6, 6, 6, 6, IDP_CPL_SELECTION_FRAME));
    objects_.Keep(CreateTextObj(host, 0, 0, L"Pick a cursor theme", kPageFace, 11, 0, 0xAB7013,
                                kTextCentred));
}

void CThemePane::BuildPreviewArea()
{
    auto* host = objects_.Keep(std::make_unique<CQVObj>(PreviewHost));
    host->Movable = 0;
    host->Realize();
    host->Show();
    SIZE area = ClientSize(PreviewHost);
    CQVObj* rect =
        objects_.Keep(CreateRectObj(host, 0, 0, area.cx, area.cy, kAreaBorder, kAreaFill));
    PreviewList = objects_.Keep(CreateBlankObj(rect, 0, 0, 360, 186));
    PreviewList->Id = kThemePreviewId;
    PreviewList->Movable = 0;
    PreviewList->SetGroupName(L"grpPreview");
    CQVObj* frame = objects_.Keep(CreateFrameObj(rect, 0, 0, area.cx, area.cy, kAreaFrameMargin,
                                                 kAreaFrameMargin, kAreaFrameMargin,
                                                 kAreaFrameMargin, IDP_CPL_PREVIEW_FRAME));
    frame->SetGroupName(L"grpPreview");
    // Nothing to scroll until a theme is previewed.
    ResetScrollBar(GetDlgItem(Window, IDC_CPL_PREVIEW_SCROLL), 0, 1);
}

void CThemePane::Destroy()
{
    watcher_.Stop();
    if (StripHost)
        KillTimer(StripHost, kRefillTimer);
    ClearPreview();
    ClearStrip();
    clickedTheme_.reset();
    objects_.Clear();
    StripList = PreviewList = nullptr;
    SelectionFrame = nullptr;
    Window = StripHost = PreviewHost = nullptr;
}

std::wstring CThemePane::Folder() const
{
    if (!ThemesFolder.empty())
        return ThemesFolder;
    wchar_t folder[MAX_PATH];
    GetThemesFolder(folder);
    return folder;
}

// The records must not point at objects that are gone.
void CThemePane::ClearStrip()
{
    DetachThemeListObjects();
    stripObjects_.Clear();
    CellRecords.clear();
}

// A theme's load may show a box whose message loop runs the refill timer:
// a refill asked for during a fill comes after it, never inside it.
void CThemePane::FillThemeList()
{
    if (filling_) {
        if (StripHost)
            SetTimer(StripHost, kRefillTimer, kRefillDelayMs, nullptr);
        return;
    }
    ++RefillCount;
    if (!StripList)
        return;
    filling_ = true;
    struct EndOfFill {
        bool& Filling;
        ~EndOfFill() { Filling = false; }
    } endOfFill{filling_};
    ClearStrip();
    RefreshThemeListsFrom(Folder().c_str());
    {
        // What cannot be read is said once, when the strip is full.
        ThemeListBuild build(StripHost);
        for (size_t record = 0; record < GetCursorThemeList().size(); ++record)
            AddStripCell(record, build);
    }
    int cells = static_cast<int>(CellRecords.size());
    StripList->CurrentState->SetSize(StripListWidth(cells), StripList->VisibleHeight);
    StripList->MoveTo(0, 0);
    ResetScrollBar(GetDlgItem(Window, IDC_CPL_STRIP_SCROLL), StripScrollMaximum(cells),
                   kStripCellWidth);
    MarkChosenCaption();
    StripList->Invalidate(LMRepaintDeferred);
}

// A cell for a theme whose role-0 picture can be shown; the theme itself
// is not kept.
bool CThemePane::AddStripCell(size_t record, ThemeListBuild& build)
{
    ThemeListEntry& entry = GetCursorThemeList()[record];
    std::unique_ptr<CTheme> theme = build.Load(entry.Path, [&]() -> std::unique_ptr<CTheme> {
        auto loaded = std::make_unique<CTheme>();
        return loaded->Load(entry.Path, 1) ? std::move(loaded) : nullptr;
    });
    if (!theme)
        return false;
    const LMBitmapState* picture = RolePicture(*theme, 0, kCursorStateNormal);
    if (!picture)
        return false;
    int cell = static_cast<int>(CellRecords.size());
    auto* thumbnail = stripObjects_.Keep(std::make_unique<LMObj>(LMObjWindowless));
    LMBitmapState* look = ThumbnailState(*picture);
    thumbnail->AddState(look);
    POINT at = StripThumbnailPosition(cell, look->FrameWidth);
    PlaceObject(*thumbnail, StripList, at.x, at.y);
    auto* caption = stripObjects_.Keep(std::make_unique<LMObj>(LMObjWindowless));
    caption->AddState(CaptionText(L"Default", entry.Title, 0));
    caption->AddState(CaptionText(L"Selected", entry.Title, 1));
    at = StripCaptionPosition(cell);
    PlaceObject(*caption, StripList, at.x, at.y);
    entry.Thumbnail = thumbnail;
    entry.Caption = caption;
    CellRecords.push_back(record);
    return true;
}

void CThemePane::MarkChosenCaption()
{
    if (!ChosenPath[0] || GetFileAttributesW(ChosenPath) == INVALID_FILE_ATTRIBUTES)
        return;
    for (size_t record : CellRecords) {
        const ThemeListEntry& entry = GetCursorThemeList()[record];
        if (_wcsicmp(entry.Path, ChosenPath) == 0 && entry.Caption)
            entry.Caption->ChangeState(L"Selected");
    }
}

const ThemeListEntry* CThemePane::RecordOfCell(int cell) const
{
    if (cell < 0 || static_cast<size_t>(cell) >= CellRecords.size())
        return nullptr;
    const ThemeList& list = GetCursorThemeList();
    size_t record = CellRecords[static_cast<size_t>(cell)];
    return record < list.size() ? &list[record] : nullptr;
}

void CThemePane::OnMouseMove(CQVObj& object, int x, int y)
{
    if (object.Id != kThemeStripId || !SelectionFrame)
        return;
    int cell = StripCellAt(x, y, SelectionFrame->VisibleHeight);
    if (!RecordOfCell(cell))
        return;
    POINT at = StripSelectionPosition(cell);
    SelectionFrame->MoveTo(at.x, at.y);
}

void CThemePane::OnLButtonUp(CQVObj& object, int x, int y, int)
{
    if (object.Id == kThemePreviewId)
        SetCellsState(L"Default");
    else if (object.Id == kThemeStripId && SelectionFrame)
        ChooseCell(StripCellAt(x, y, SelectionFrame->VisibleHeight));
}

void CThemePane::OnLButtonDown(CQVObj& object, int, int)
{
    if (object.Id == kThemePreviewId)
        SetCellsState(L"Pressed");
}

void CThemePane::OnRButtonUp(CQVObj& object, int x, int y, int)
{
    if (object.Id == kThemeStripId && SelectionFrame)
        OfferDelete(StripCellAt(x, y, SelectionFrame->VisibleHeight));
}

void CThemePane::OnDoubleClick(CQVObj&, int, int)
{
}

// The load may show a box whose message loop refills the strip: the record
// is copied first, and its caption found again afterwards.
void CThemePane::ChooseCell(int cell)
{
    const ThemeListEntry* record = RecordOfCell(cell);
    if (!record || wcslen(record->Path) >= MAX_PATH)
        return;
    ThemeListEntry chosen = *record;
    chosen.Thumbnail = chosen.Caption = nullptr;
    auto theme = std::make_unique<CTheme>();
    if (!theme->Load(chosen.Path, 0))
        return;
    ChosenTheme = chosen;
    wcscpy(ChosenPath, chosen.Path);
    clickedTheme_ = std::move(theme);
    BuildPreview(*clickedTheme_);
    NotifyPageChanged();
    for (size_t shown : CellRecords) {
        if (LMObj* caption = GetCursorThemeList()[shown].Caption)
            caption->ChangeState(L"Default");
    }
    MarkChosenCaption();
}

// The menu and the question let other messages run, a refill among them:
// what is asked about is copied first.
void CThemePane::OfferDelete(int cell)
{
    const ThemeListEntry* record = RecordOfCell(cell);
    if (!record)
        return;
    std::wstring path = record->Path, title = record->Title;
    HWND owner = StripHost;
    int command =
        PopupMenu ? PopupMenu(owner, LMCursorPos()) : ShowDeleteMenu(owner, LMCursorPos());
    if (command != kDeleteCommand)
        return;
    std::vector<wchar_t> question(title.size() + 32);
    FormatUiText(question.data(), question.size(), L"Really delete %s?", nullptr, title.c_str());
    if (LMMessageBox(owner, question.data(), kProductCaption, MB_ICONQUESTION | MB_YESNO) == IDYES)
        DeleteThemeFileOrSayWhy(owner, path.c_str(), kProductCaption);
}

void CThemePane::Save()
{
}

void CThemePane::Cancel()
{
}

}  // namespace cpl
