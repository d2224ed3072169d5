#include "CEditorMFCDoc.h"

#include "CWinApp.h"
#include "EditorTexts.h"
#include "LMMessageBox.h"

#include "CEditorMFCView.h"
#include "EditorIds.h"
#include "PngResource.h"
#include "SoundPreview.h"
#include "ThemeFileNames.h"
#include "ThemeLocations.h"

#include <cstdio>

namespace {

std::unique_ptr<LMBitmapState> MakePlaceholder()
{
    // Without its image the placeholder is a blank square, still "NA".
    LMBitmap* bitmap = LoadPngResourceBitmap(kIdPlaceholderPng);
    if (!bitmap)
        bitmap = new LMBitmap(32, 32, LMBitmapHasAlpha | LMBitmapSharedDC);
    auto state = std::make_unique<LMBitmapState>(kPlaceholderStateName, bitmap);
    state->SetHitMode(LMHitNever);
    return state;
}

std::unique_ptr<LMBitmapState> PlaceholderCopy()
{
    return std::make_unique<LMBitmapState>(kPlaceholderStateName, CEditorMFCDoc::Placeholder(),
                                           true);
}

std::unique_ptr<CThemeCursor> PlaceholderCursor(int role, int state)
{
    auto cursor = std::make_unique<CThemeCursor>();
    cursor->Role = role;
    cursor->State = state;
    cursor->Group = kThemeCursorGroup;
    cursor->Frames = 1;
    cursor->Animation = PlaceholderCopy();
    return cursor;
}

template <typename Entry> std::unique_ptr<Entry> PlaceholderSlot(int slot)
{
    auto entry = std::make_unique<Entry>();
    entry->Slot = slot;
    entry->Frames = 1;
    entry->Animation = PlaceholderCopy();
    return entry;
}

void FillEmptySlots(CTheme& theme)
{
    for (int slot = 0; slot < kMouseEventCount; ++slot) {
        if (!theme.GetEffect(slot))
            theme.SetEffect(slot, PlaceholderSlot<CThemeEffect>(slot));
    }
    for (int slot = 0; slot < kTrailSlotCount; ++slot) {
        if (!theme.GetTrail(slot))
            theme.SetTrail(slot, PlaceholderSlot<CThemeTrail>(slot));
    }
}

}  // namespace

std::unique_ptr<CDocument> CEditorMFCDoc::CreateObject()
{
    return std::make_unique<CEditorMFCDoc>();
}

CEditorMFCDoc::~CEditorMFCDoc()
{
    StopThemeSoundPreviews(Theme.get());
}

const LMBitmapState& CEditorMFCDoc::Placeholder()
{
    // Made on first use, after the toolkit has started; gone before the
    // toolkit's own globals at exit.
    static const std::unique_ptr<LMBitmapState> placeholder = MakePlaceholder();
    return *placeholder;
}

CThemeEntry& CEditorMFCDoc::ClipboardEntry()
{
    static CThemeEntry clipboard;
    return clipboard;
}

BOOL CEditorMFCDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    Theme = std::make_unique<CTheme>();
    for (int role = 0; role < kCursorRoleCount; ++role) {
        for (int state : {kCursorStateNormal, kCursorStateLeftDown}) {
            auto cursor = PlaceholderCursor(role, state);
            wchar_t section[32];
            std::swprintf(section, 32, L"%lu-%lu", static_cast<unsigned long>(role),
                          static_cast<unsigned long>(state));
            cursor->SectionName = section;
            Theme->AddCursor(std::move(cursor));
        }
    }
    FillEmptySlots(*Theme);
    return TRUE;
}

BOOL CEditorMFCDoc::OnOpenDocument(const wchar_t* path)
{
    if (!CDocument::OnOpenDocument(path))
        return FALSE;
    Theme = std::make_unique<CTheme>();
    // The images that fail are said once, not in a box each; a file that
    // does not load at all is said by the template.
    int unreadable = 0;
    {
        LMQuietErrors quiet;
        if (!Theme->Load(path, 0))
            return FALSE;
        unreadable = quiet.Count();
    }
    if (unreadable > 0) {
        const std::wstring text = std::wstring(kTextThemeImagesUnreadable) + path;
        LMMessageBox(BoxOwner(), text.c_str(), AppTitle(), MB_OK | MB_ICONEXCLAMATION);
    }
    FillMissingItems();
    return TRUE;
}

BOOL CEditorMFCDoc::OnSaveDocument(const wchar_t* path)
{
    if (!CDocument::OnSaveDocument(path))
        return FALSE;
    if (View)
        View->CommitAllPanes();
    if (!Theme)
        return FALSE;
    if (Theme->Save(path, 1) == 1)
        return TRUE;
    // The older format the theme writer refuses with a box of its own. Any
    // other failure must not go unnoticed either: closing asks no question.
    if (PathHasExtension(path, kContainerExtension)) {
        ReportSaveFailure(path);
    } else if (!PathHasExtension(path, kArchiveExtension)) {
        const std::wstring text = std::wstring(kTextSaveNeedsContainer) + path;
        LMMessageBox(BoxOwner(), text.c_str(), AppTitle(), MB_OK | MB_ICONEXCLAMATION);
    }
    return FALSE;
}

void CEditorMFCDoc::OnCloseDocument()
{
    StopThemeSoundPreviews(Theme.get());
    Theme.reset();
    CDocument::OnCloseDocument();
}

BOOL CEditorMFCDoc::DoSave(const wchar_t* path, BOOL replace)
{
    wchar_t themes[MAX_PATH] = L"";
    GetThemesFolder(themes);
    return SaveWithDialog(path, replace, themes);
}

void CEditorMFCDoc::FillMissingItems()
{
    if (!Theme)
        return;
    for (int role = 0; role < kCursorRoleCount; ++role) {
        for (int state : {kCursorStateNormal, kCursorStateLeftDown}) {
            if (Theme->FindCursor(role, state, kThemeCursorGroup))
                continue;
            auto cursor = PlaceholderCursor(role, state);
            cursor->StdCursor = 0;
            cursor->Interval = 50;
            Theme->AddCursor(std::move(cursor));
        }
    }
    FillEmptySlots(*Theme);
}
