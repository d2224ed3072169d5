#include "CMultiDocTemplate.h"

#include "DocBusy.h"

#include "CDocument.h"
#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CView.h"
#include "CWaitCursor.h"
#include "CWinApp.h"
#include "DocViewIds.h"
#include "DocViewTexts.h"
#include "LMMessageBox.h"

#include <algorithm>
#include <cwchar>

namespace {

void ReportOpenFailure(const wchar_t* path)
{
    CWinApp* app = DocViewApp();
    HWND owner = app && app->MainFrame() ? app->MainFrame()->GetSafeHwnd() : nullptr;
    std::wstring text = std::wstring(kTextOpenFailed) + path;
    LMMessageBox(owner, text.c_str(), AppTitle(), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

CMultiDocTemplate::CMultiDocTemplate(UINT resourceId, DocumentFactory document, FrameFactory frame,
                                     ViewFactory view)
    : resourceId_(resourceId), documentFactory_(document), frameFactory_(frame), viewFactory_(view),
      docString_(LoadResourceString(resourceId)),
      menu_(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId)))
{
}

CMultiDocTemplate::~CMultiDocTemplate() = default;

BOOL CMultiDocTemplate::GetDocString(std::wstring& text, int index) const
{
    text.clear();
    if (index < 0)
        return FALSE;
    size_t start = 0;
    for (int field = 0; field < index; ++field) {
        start = docString_.find(L'\n', start);
        if (start == std::wstring::npos)
            return FALSE;
        ++start;
    }
    size_t end = docString_.find(L'\n', start);
    text = docString_.substr(start, end == std::wstring::npos ? end : end - start);
    return TRUE;
}

int CMultiDocTemplate::MatchDocType(const wchar_t* path, CDocument** match)
{
    *match = nullptr;
    if (!path)
        return kMatchNone;
    for (const auto& document : documents_) {
        if (_wcsicmp(document->GetPathName().c_str(), path) == 0) {
            *match = document.get();
            return kMatchAlreadyOpen;
        }
    }
    std::wstring extension;
    GetDocString(extension, kDocStringFilterExt);
    size_t length = std::wcslen(path);
    if (!extension.empty() && length > extension.size() &&
        _wcsicmp(path + length - extension.size(), extension.c_str()) == 0)
        return kMatchNative;
    return kMatchForeign;
}

CDocument* CMultiDocTemplate::OpenDocumentFile(const wchar_t* path, BOOL makeVisible)
{
    CDocument* document = AddNewDocument();
    if (!document)
        return nullptr;
    if (!path) {
        SetDefaultTitle(document);
        if (!document->OnNewDocument()) {
            RemoveDocument(document);
            return nullptr;
        }
    } else {
        BOOL opened = FALSE;
        {
            CWaitCursor wait;
            DocBusyScope reading;
            opened = document->OnOpenDocument(path);
        }
        if (!opened) {
            RemoveDocument(document);
            ReportOpenFailure(path);
            return nullptr;
        }
        document->SetPathName(path);
    }
    CMDIChildWnd* frame = CreateNewFrame(document);
    if (!frame) {
        RemoveDocument(document);
        return nullptr;
    }
    InitialUpdateFrame(frame, document, makeVisible);
    return document;
}

CMDIChildWnd* CMultiDocTemplate::CreateNewFrame(CDocument* document)
{
    CWinApp* app = DocViewApp();
    CMDIFrameWnd* main = app ? app->MainFrame() : nullptr;
    if (!main || !frameFactory_)
        return nullptr;
    CMDIChildWnd* frame = main->AdoptChildFrame(frameFactory_());
    if (!frame)
        return nullptr;
    CCreateContext context;
    context.Document = document;
    context.Template = this;
    if (!frame->LoadFrame(resourceId_, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, main, &context)) {
        // A frame whose window never came to be is still the main frame's.
        main->ReleaseChildFrame(frame);
        return nullptr;
    }
    return frame;
}

void CMultiDocTemplate::InitialUpdateFrame(CMDIChildWnd* frame, CDocument* document,
                                           BOOL makeVisible)
{
    document->SetAutoClose();
    if (CView* view = frame->GetActiveView())
        view->OnInitialUpdate();
    if (makeVisible) {
        ShowWindow(frame->GetSafeHwnd(), SW_SHOW);
        frame->MDIActivate();
    }
    document->UpdateFrameCounts();
}

std::unique_ptr<CView> CMultiDocTemplate::CreateView() const
{
    return viewFactory_ ? viewFactory_() : nullptr;
}

void CMultiDocTemplate::RemoveDocument(CDocument* document)
{
    auto found = std::find_if(documents_.begin(), documents_.end(),
                              [document](const auto& owned) { return owned.get() == document; });
    if (found == documents_.end())
        return;
    std::unique_ptr<CDocument> owned = std::move(*found);
    documents_.erase(found);
}

bool CMultiDocTemplate::SaveAllModified()
{
    for (const auto& document : documents_) {
        if (!document->SaveModified())
            return false;
    }
    return true;
}

void CMultiDocTemplate::CloseAllDocuments()
{
    while (!documents_.empty()) {
        CDocument* document = documents_.back().get();
        size_t before = documents_.size();
        document->OnCloseDocument();
        if (documents_.size() == before)
            RemoveDocument(document);
    }
}

CDocument* CMultiDocTemplate::AddNewDocument()
{
    std::unique_ptr<CDocument> document = documentFactory_ ? documentFactory_() : nullptr;
    if (!document)
        return nullptr;
    document->SetDocTemplate(this);
    documents_.push_back(std::move(document));
    return documents_.back().get();
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* document)
{
    std::wstring name;
    if (!GetDocString(name, kDocStringFileNewName) || name.empty())
        name = kTextUntitled;
    document->SetTitle((name + std::to_wstring(++untitledCount_)).c_str());
}
