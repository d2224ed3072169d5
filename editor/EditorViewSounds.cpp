// The sounds page: the nine mouse events, each drawn bold when it has a
// sound, with buttons that assign, play and remove the sound.

#include "CEditorMFCDoc.h"
#include "CEditorMFCView.h"
#include "CWinApp.h"
#include "EditorIds.h"
#include "EditorObjects.h"
#include "EditorTexts.h"
#include "LMMessageBox.h"
#include "ScopedWin.h"
#include "SoundPreview.h"
#include "ThemeVocabulary.h"

#include <cwchar>
#include <string>

namespace {

// Nine sounds must leave room for the images in a theme body the theme
// reader accepts (256 MiB).
constexpr uint64_t kMaxSoundFileBytes = 16u * 1024 * 1024;
constexpr int kRowTextHeight = 11;
constexpr int kRowTextInset = 6;

// A file of 1 byte up to the limit, under a path that fits 260 characters.
bool IsSoundFileSize(const wchar_t* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!path || std::wcslen(path) >= MAX_PATH ||
        !GetFileAttributesExW(path, GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    const uint64_t size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return size > 0 && size <= kMaxSoundFileBytes;
}

CTheme* ThemeOf(const CEditorMFCDoc* document)
{
    return document ? document->Theme.get() : nullptr;
}

bool IsEvent(int event)
{
    return event >= 0 && event < kMouseEventCount;
}

}  // namespace

int CEditorMFCView::SelectedSoundRow() const
{
    HWND list = GetDlgItem(SoundsPage, kIdSoundList);
    const int row = list ? static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)) : -1;
    return IsEvent(row) ? row : -1;
}

void CEditorMFCView::UpdateSoundButtons(int event)
{
    const CTheme* theme = ThemeOf(GetDocument());
    if (!theme)
        return;
    const BOOL hasSound = IsEvent(event) && theme->GetSound(event);
    EnableWindow(GetDlgItem(SoundsPage, kIdRemoveButton), hasSound);
    EnableWindow(GetDlgItem(SoundsPage, kIdPlaySoundButton), hasSound);
}

void CEditorMFCView::PlaySound(int event)
{
    const CTheme* theme = ThemeOf(GetDocument());
    if (theme && IsEvent(event))
        PlaySoundPreview(theme->GetSound(event));
}

int CEditorMFCView::SetSound(int event, const wchar_t* path)
{
    CTheme* theme = ThemeOf(GetDocument());
    if (!theme || !IsEvent(event))
        return 0;
    // Loaded aside first: a file that fails leaves the event's sound alone.
    CTheme loaded;
    if (!IsSoundFileSize(path) || !loaded.LoadSound(event, path)) {
        std::wstring text = std::wstring(kTextSoundUnreadable) + (path ? path : L"");
        LMMessageBox(SoundsPage, text.c_str(), AppTitle(), MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    StopSoundPreview(theme->GetSound(event));
    theme->Sounds[static_cast<size_t>(event)] =
        std::move(loaded.Sounds[static_cast<size_t>(event)]);
    return 1;
}

void CEditorMFCView::RemoveSound(int event)
{
    CTheme* theme = ThemeOf(GetDocument());
    if (!theme || !IsEvent(event))
        return;
    StopSoundPreview(theme->GetSound(event));
    theme->ClearSound(event);
}

void CEditorMFCView::OnSoundListNotify()
{
    const int row = SelectedSoundRow();
    UpdateSoundButtons(row);
    PlaySound(row);
}

void CEditorMFCView::OnSoundButton(UINT id)
{
    const int row = SelectedSoundRow();
    if (row < 0)
        return;
    if (id == kIdPlaySoundButton) {
        PlaySound(row);
        return;
    }
    if (id == kIdRemoveButton) {
        RemoveSound(row);
    } else if (id == kIdBrowseSoundButton) {
        std::wstring path;
        if (!AskOpenFile(SoundsPage, kSoundFilter, &path))
            return;
        SetSound(row, path.c_str());
    } else {
        return;
    }
    UpdateSoundButtons(row);
    InvalidateRect(GetDlgItem(SoundsPage, kIdSoundList), nullptr, TRUE);
}

void CEditorMFCView::DrawSoundRow(const DRAWITEMSTRUCT& item)
{
    if (item.itemID >= static_cast<UINT>(kMouseEventCount) ||
        !(item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT | ODA_FOCUS)))
        return;
    const CTheme* theme = ThemeOf(GetDocument());
    const bool hasSound = theme && theme->GetSound(static_cast<int>(item.itemID));
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    const RECT& row = item.rcItem;
    FillSolidRect(dc, row.left, row.top, row.right + 1, row.bottom + 1,
                  GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const COLORREF oldColour =
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    {
        ScopedFont font(CreateFontW(-kRowTextHeight, 0, 0, 0, hasSound ? FW_BOLD : FW_NORMAL, 0, 0,
                                    0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    DEFAULT_QUALITY, DEFAULT_PITCH, L""));
        ScopedSelectObject selectFont(dc, font.Get());
        RECT text = row;
        text.left += kRowTextInset;
        DrawTextW(dc, kMouseEventNames[item.itemID], -1, &text,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColour);
}
