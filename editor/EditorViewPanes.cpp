// The view's property panes: which item each shows, and its title.

#include "CEditorMFCView.h"

#include "EditorObjects.h"
#include "ThemeVocabulary.h"

#include <cwchar>

namespace {

constexpr int kTitleLength = 256;
constexpr POINT kTitleOrigin = {3, 0};

// The filling flag is set for the whole of a fill, however it ends.
class FillingScope {
public:
    explicit FillingScope(int& flag) : flag_(flag) { flag_ = 1; }
    ~FillingScope() { flag_ = 0; }
    FillingScope(const FillingScope&) = delete;
    FillingScope& operator=(const FillingScope&) = delete;

private:
    int& flag_;
};

}  // namespace

void CEditorMFCView::ShowCursorPane(int index, int variant)
{
    if (index < 0 || index >= kCursorRoleCount)
        return;
    FillingScope filling(Filling);
    wchar_t title[kTitleLength];
    std::swprintf(title, kTitleLength, L"%ls - %ls properties", variant ? L"Pressed" : L"Normal",
                  kCursorRoleLongNames[index]);
    SetCursorPaneTitle(title);
    SelectedCursor = index;
    SelectedCursorVariant = variant;
}

void CEditorMFCView::ShowEffectPane(int index)
{
    if (index < 0 || index >= kMouseEventCount)
        return;
    FillingScope filling(Filling);
    wchar_t title[kTitleLength];
    std::swprintf(title, kTitleLength, L"%ls properties", kMouseEventNames[index]);
    SetEffectPaneTitle(title);
    SelectedEffect = index;
}

void CEditorMFCView::ShowTrailPane(int index)
{
    if (index < 0 || index >= kTrailSlotCount)
        return;
    FillingScope filling(Filling);
    wchar_t title[kTitleLength];
    std::swprintf(title, kTitleLength, L"%ls properties", kTrailSlotNames[index]);
    SetTrailPaneTitle(title);
    SelectedTrail = index;
}

void CEditorMFCView::CommitAllPanes()
{
}

void CEditorMFCView::SetCursorPaneTitle(const wchar_t* text)
{
    SetPaneTitle(kCursorsTab, text);
}

void CEditorMFCView::SetEffectPaneTitle(const wchar_t* text)
{
    SetPaneTitle(kEffectsTab, text);
}

void CEditorMFCView::SetTrailPaneTitle(const wchar_t* text)
{
    SetPaneTitle(kTrailsTab, text);
}

void CEditorMFCView::SetPaneTitle(int grid, const wchar_t* text)
{
    PaneTitle& title = titles_[static_cast<size_t>(grid)];
    title.Text.reset();
    if (title.Host)
        title.Text = CreateTextObject(title.Host, kTitleOrigin.x, kTitleOrigin.y, text, L"Segoe UI",
                                      9, 1, RGB(0, 0, 0), 0);
}
