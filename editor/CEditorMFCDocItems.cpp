// The document's item operations: import, clear, copy and paste.

#include "CEditorMFCDoc.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>

namespace {

constexpr int kClearedInterval = 200;

bool HoldsPlaceholder(const CThemeEntry& entry)
{
    return entry.Animation && entry.Animation->Name == kPlaceholderStateName;
}

// An image file that exists, under a path that fits a 260-character buffer.
bool IsImportablePath(const wchar_t* path)
{
    if (!path || !*path || std::wcslen(path) >= MAX_PATH)
        return false;
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The decoded image of an importable file, or null.
std::unique_ptr<LMBitmap> LoadImportImage(const wchar_t* path)
{
    if (!IsImportablePath(path))
        return nullptr;
    auto bitmap = std::make_unique<LMBitmap>(path, 0);
    if (!bitmap->HasPixels() || bitmap->Width <= 0 || bitmap->Height <= 0)
        return nullptr;
    return bitmap;
}

// Steps common to the three kinds; the entry ends up cleared on failure.
int ImportImage(CThemeEntry* entry, const wchar_t* path, const wchar_t* stateName, int hitMode)
{
    if (!entry)
        return 0;
    bool framesFromImage = HoldsPlaceholder(*entry);
    int keptFrames = entry->Frames;
    CEditorMFCDoc::ClearItem(entry);
    // A file that does not decode leaves the placeholder in place.
    auto bitmap = LoadImportImage(path);
    if (!bitmap)
        return 0;
    // Frames are square: as many as the strip is heights wide. Kept frames
    // never outnumber the new image's columns, which would leave them empty.
    entry->Frames = framesFromImage ? std::max(1, bitmap->Width / bitmap->Height)
                                    : std::clamp(keptFrames, 1, bitmap->Width);
    int flags = LMFrameLoop | LMFrameInterruptible | (entry->Alternate ? LMFramePingPong : 0);
    entry->SetUpAnimation(std::move(bitmap), stateName, flags, true, hitMode);
    return 1;
}

}  // namespace

bool CEditorMFCDoc::CanImportImage(const wchar_t* path)
{
    return LoadImportImage(path) != nullptr;
}

CThemeCursor* CEditorMFCDoc::FindCursor(int role, int pressed) const
{
    int state = pressed ? kCursorStateLeftDown : kCursorStateNormal;
    return Theme ? Theme->FindCursor(role, state, kThemeCursorGroup) : nullptr;
}

CThemeEffect* CEditorMFCDoc::GetEffect(int slot) const
{
    return Theme ? Theme->GetEffect(slot) : nullptr;
}

CThemeTrail* CEditorMFCDoc::GetTrail(int slot) const
{
    return Theme ? Theme->GetTrail(slot) : nullptr;
}

int CEditorMFCDoc::ImportCursorImage(int role, int pressed, const wchar_t* path)
{
    wchar_t name[32];
    std::swprintf(name, 32, L"%lu-%lu", static_cast<unsigned long>(role),
                  static_cast<unsigned long>(pressed ? kCursorStateLeftDown : kCursorStateNormal));
    return ImportImage(FindCursor(role, pressed), path, name, LMHitNever);
}

int CEditorMFCDoc::ImportEffectImage(int slot, const wchar_t* path)
{
    return ImportImage(GetEffect(slot), path, L"Default", 0);
}

int CEditorMFCDoc::ImportTrailImage(int slot, const wchar_t* path)
{
    return ImportImage(GetTrail(slot), path, L"Default", 0);
}

void CEditorMFCDoc::ClearItem(CThemeEntry* entry)
{
    if (!entry || !entry->Animation)
        return;
    entry->Animation = std::make_unique<LMBitmapState>(kPlaceholderStateName, Placeholder(), true);
    entry->Frames = 1;
    entry->Animation->SetFrames(1, kClearedInterval, LMFrameInterruptible);
}

void CEditorMFCDoc::ClearCursor(int role, int pressed)
{
    ClearItem(FindCursor(role, pressed));
}

void CEditorMFCDoc::ClearEffect(int slot)
{
    ClearItem(GetEffect(slot));
}

void CEditorMFCDoc::ClearTrail(int slot)
{
    ClearItem(GetTrail(slot));
}

namespace {

void CopyToClipboard(const CThemeEntry* entry)
{
    if (entry)
        CEditorMFCDoc::ClipboardEntry().CopyFrom(*entry);
}

void PasteFromClipboard(CThemeEntry* entry)
{
    if (entry)
        entry->CopyFrom(CEditorMFCDoc::ClipboardEntry());
}

}  // namespace

void CEditorMFCDoc::CopyCursor(int role, int pressed)
{
    CopyToClipboard(FindCursor(role, pressed));
}

void CEditorMFCDoc::CopyEffect(int slot)
{
    CopyToClipboard(GetEffect(slot));
}

void CEditorMFCDoc::CopyTrail(int slot)
{
    CopyToClipboard(GetTrail(slot));
}

void CEditorMFCDoc::PasteCursor(int role, int pressed)
{
    PasteFromClipboard(FindCursor(role, pressed));
}

void CEditorMFCDoc::PasteEffect(int slot)
{
    PasteFromClipboard(GetEffect(slot));
}

void CEditorMFCDoc::PasteTrail(int slot)
{
    PasteFromClipboard(GetTrail(slot));
}
