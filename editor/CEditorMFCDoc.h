#pragma once
// The theme document: one theme in which every cursor role has a normal and a
// pressed entry and every effect and trail slot an entry. A slot without an
// image holds a copy of the placeholder state "NA", which is never saved.

#include "CDocument.h"
#include "CTheme.h"

#include <memory>

// winuser.h makes CopyCursor a macro; here it is the document's operation.
#ifdef CopyCursor
#undef CopyCursor
#endif

class CEditorMFCView;

class CEditorMFCDoc : public CDocument {
public:
    static std::unique_ptr<CDocument> CreateObject();
    ~CEditorMFCDoc() override;

    // 40 cursors in role order (normal first), 9 effects, 3 trails, all empty.
    BOOL OnNewDocument() override;
    // Loads the theme, then fills what it lacks; FALSE when it cannot be read.
    BOOL OnOpenDocument(const wchar_t* path) override;
    // Commits the view's panes and saves the theme compressed.
    BOOL OnSaveDocument(const wchar_t* path) override;
    void OnCloseDocument() override;
    // The save dialog starts in the Themes folder.
    BOOL DoSave(const wchar_t* path, BOOL replace) override;

    // Adds a placeholder entry to every role, state, effect and trail slot
    // that has none.
    void FillMissingItems();

    // 1 when the image became the item's animation; 0 when the path names no
    // image that decodes, with the item cleared.
    int ImportCursorImage(int role, int pressed, const wchar_t* path);
    int ImportEffectImage(int slot, const wchar_t* path);
    int ImportTrailImage(int slot, const wchar_t* path);

    // Whether an import of the file would succeed: it exists, its path fits
    // and it decodes.
    static bool CanImportImage(const wchar_t* path);

    void ClearCursor(int role, int pressed);
    void ClearEffect(int slot);
    void ClearTrail(int slot);
    // The placeholder takes the place of the entry's image; its script,
    // interval and hot spot stay.
    static void ClearItem(CThemeEntry* entry);

    void CopyCursor(int role, int pressed);
    void CopyEffect(int slot);
    void CopyTrail(int slot);
    void PasteCursor(int role, int pressed);
    void PasteEffect(int slot);
    void PasteTrail(int slot);

    CThemeCursor* FindCursor(int role, int pressed) const;
    CThemeEffect* GetEffect(int slot) const;
    CThemeTrail* GetTrail(int slot) const;

    // The state "NA" over the placeholder image, hit mode 2.
    static const LMBitmapState& Placeholder();
    // The one clipboard item of the program, shared by every document.
    static CThemeEntry& ClipboardEntry();

    std::unique_ptr<CTheme> Theme;
    // Set by the view that edits this document.
    CEditorMFCView* View = nullptr;
};
