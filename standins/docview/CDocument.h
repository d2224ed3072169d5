#pragma once
// A document: its file path and title, the modified flag, its views, and the
// steps of opening, saving and closing that derived documents build on.

#include "CCmdTarget.h"

#include <string>
#include <vector>

class CMDIChildWnd;
class CMultiDocTemplate;
class CView;

class CDocument : public CCmdTarget {
public:
    CDocument() = default;
    ~CDocument() override;

    // The layer's own steps; derived documents call them first.
    virtual BOOL OnNewDocument();
    // Checks that the path names a file; reads nothing.
    virtual BOOL OnOpenDocument(const wchar_t* path);
    // Checks that the file can be written (an existing file opens for writing,
    // a new one's folder exists) without creating or truncating anything;
    // reports a failure in a box.
    virtual BOOL OnSaveDocument(const wchar_t* path);
    // Destroys the document's frames, then the document itself: callers must
    // not touch it afterwards.
    virtual void OnCloseDocument();
    // Saves under path, or under a name from the save dialog when path is
    // null; with replace the document takes the new path and title.
    virtual BOOL DoSave(const wchar_t* path, BOOL replace);
    // Asks whether to save a modified document; false when the user cancels.
    virtual BOOL SaveModified();
    BOOL DoFileSave();

    const std::wstring& GetPathName() const { return path_; }
    virtual void SetPathName(const wchar_t* path, BOOL addToRecentFiles = TRUE);
    const std::wstring& GetTitle() const { return title_; }
    virtual void SetTitle(const wchar_t* title);
    BOOL IsModified() const { return modified_; }
    void SetModifiedFlag(BOOL modified = TRUE) { modified_ = modified; }

    const std::vector<CView*>& Views() const { return views_; }
    void AddView(CView* view);
    // The last view leaving closes the document once it is set up.
    void RemoveView(CView* view);
    std::vector<CMDIChildWnd*> Frames() const;
    void UpdateFrameCounts();

    CMultiDocTemplate* GetDocTemplate() const { return template_; }
    void SetDocTemplate(CMultiDocTemplate* docTemplate) { template_ = docTemplate; }
    // Set when the document has its first frame: from then on it closes
    // with its last view.
    void SetAutoClose() { autoClose_ = true; }

    bool OnCmdMsg(UINT id, UINT code, bool execute) override;

protected:
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();

    // DoSave's steps, with the save dialog opening in startFolder.
    BOOL SaveWithDialog(const wchar_t* path, BOOL replace, const wchar_t* startFolder);
    // The window that owns the document's boxes.
    HWND BoxOwner() const;
    // The box of a save that cannot write the file.
    void ReportSaveFailure(const wchar_t* path) const;

private:
    std::wstring path_;
    std::wstring title_;
    BOOL modified_ = FALSE;
    bool autoClose_ = false;
    bool closing_ = false;
    std::vector<CView*> views_;
    CMultiDocTemplate* template_ = nullptr;
};
