#pragma once
// The template that binds a document class to its frame and view classes and
// to the resources of one id: the document string, the menu shown while such
// a document is active, and the icon. It owns its documents.

#include "ScopedWin.h"

#include <memory>
#include <string>
#include <vector>

class CDocument;
class CMDIChildWnd;
class CView;

using DocumentFactory = std::unique_ptr<CDocument> (*)();
using FrameFactory = std::unique_ptr<CMDIChildWnd> (*)();
using ViewFactory = std::unique_ptr<CView> (*)();

// Fields of the document string, separated by "\n".
constexpr int kDocStringWindowTitle = 0;
constexpr int kDocStringDocName = 1;
constexpr int kDocStringFileNewName = 2;
constexpr int kDocStringFilterName = 3;
constexpr int kDocStringFilterExt = 4;
constexpr int kDocStringFileTypeId = 5;
constexpr int kDocStringFileTypeName = 6;

// How sure a template is that it opens a file.
constexpr int kMatchNone = 0;
constexpr int kMatchForeign = 3;
constexpr int kMatchNative = 4;
constexpr int kMatchAlreadyOpen = 5;

class CMultiDocTemplate {
public:
    CMultiDocTemplate(UINT resourceId, DocumentFactory document, FrameFactory frame,
                      ViewFactory view);
    virtual ~CMultiDocTemplate();
    CMultiDocTemplate(const CMultiDocTemplate&) = delete;
    CMultiDocTemplate& operator=(const CMultiDocTemplate&) = delete;

    // Field index of the document string; FALSE with an empty text when absent.
    virtual BOOL GetDocString(std::wstring& text, int index) const;
    // kMatchAlreadyOpen with the document when one has the path (ignoring
    // case); kMatchNative when the path ends in the filter extension;
    // otherwise kMatchForeign.
    virtual int MatchDocType(const wchar_t* path, CDocument** match);

    // A new document (path null) or one opened from the file, with its frame
    // and view; null on failure, which an open reports in a box.
    virtual CDocument* OpenDocumentFile(const wchar_t* path, BOOL makeVisible = TRUE);
    // Another frame with its view on the document; null on failure.
    CMDIChildWnd* CreateNewFrame(CDocument* document);
    void InitialUpdateFrame(CMDIChildWnd* frame, CDocument* document, BOOL makeVisible = TRUE);
    std::unique_ptr<CView> CreateView() const;

    const std::vector<std::unique_ptr<CDocument>>& Documents() const { return documents_; }
    // Deletes the document.
    void RemoveDocument(CDocument* document);
    bool SaveAllModified();
    void CloseAllDocuments();

    UINT ResourceId() const { return resourceId_; }
    HMENU Menu() const { return menu_.Get(); }

private:
    CDocument* AddNewDocument();
    void SetDefaultTitle(CDocument* document);

    UINT resourceId_;
    DocumentFactory documentFactory_;
    FrameFactory frameFactory_;
    ViewFactory viewFactory_;
    std::wstring docString_;
    ScopedMenu menu_;
    int untitledCount_ = 0;
    std::vector<std::unique_ptr<CDocument>> documents_;
};
