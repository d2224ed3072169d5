#pragma once
// The editing view of a theme document. Its pages, panes and grids come with
// the view's own construction; for now it draws nothing.

#include "CView.h"

#include <memory>

class CEditorMFCDoc;

class CEditorMFCView : public CView {
public:
    static std::unique_ptr<CView> CreateObject();

    CEditorMFCDoc* GetDocument() const;
    void OnDraw(HDC dc) override;
    // Stores what the panes hold into the document's entries before a save.
    void CommitAllPanes();
};
