#include "CDocument.h"

#include "DocBusy.h"

#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CMultiDocTemplate.h"
#include "CView.h"
#include "CWaitCursor.h"
#include "CWinApp.h"
#include "DocViewIds.h"
#include "DocViewTexts.h"
#include "FileDialog.h"
#include "LMMessageBox.h"
#include "ScopedWin.h"

#include <shlwapi.h>

#include <algorithm>
#include <cwchar>

namespace {

bool FileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Whether a save could write the path, found without changing anything.
bool CanWriteFile(const wchar_t* path)
{
    if (!path || !*path || std::wcslen(path) >= MAX_PATH)
        return false;
    DWORD attributes = GetFileAttributesW(path);
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
            return false;
        ScopedFile file(CreateFileW(path, GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        return file.IsValid();
    }
    std::wstring folder(path, static_cast<size_t>(PathFindFileNameW(path) - path));
    if (folder.empty())
        return true;
    DWORD folderAttributes = GetFileAttributesW(folder.c_str());
    return folderAttributes != INVALID_FILE_ATTRIBUTES &&
           (folderAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring FullPathOf(const wchar_t* path)
{
    DWORD length = GetFullPathNameW(path, 0, nullptr, nullptr);
    if (length == 0)
        return path;
    std::wstring full(length, L'\0');
    length = GetFullPathNameW(path, length, &full[0], nullptr);
    full.resize(length);
    return length ? full : std::wstring(path);
}

}  // namespace

CDocument::~CDocument()
{
    for (CView* view : views_)
        view->document_ = nullptr;
}

BOOL CDocument::OnNewDocument()
{
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(const wchar_t* path)
{
    if (!path || !*path || std::wcslen(path) >= MAX_PATH)
        return FALSE;
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

BOOL CDocument::OnSaveDocument(const wchar_t* path)
{
    if (CanWriteFile(path))
        return TRUE;
    ReportSaveFailure(path);
    return FALSE;
}

void CDocument::ReportSaveFailure(const wchar_t* path) const
{
    std::wstring text = std::wstring(kTextSaveFailed) + (path ? path : L"");
    LMMessageBox(BoxOwner(), text.c_str(), AppTitle(), MB_OK | MB_ICONEXCLAMATION);
}

void CDocument::OnCloseDocument()
{
    closing_ = true;
    for (CMDIChildWnd* frame : Frames())
        frame->MDIDestroy();
    if (CMultiDocTemplate* owner = template_)
        owner->RemoveDocument(this);
}

BOOL CDocument::DoSave(const wchar_t* path, BOOL replace)
{
    return SaveWithDialog(path, replace, nullptr);
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    std::wstring text = kTextSaveQuestion + title_ + L"?";
    int answer =
        LMMessageBox(BoxOwner(), text.c_str(), AppTitle(), MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    if (answer == IDCANCEL)
        return FALSE;
    return answer == IDYES ? DoFileSave() : TRUE;
}

BOOL CDocument::DoFileSave()
{
    DWORD attributes = path_.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(path_.c_str());
    bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    if (path_.empty() || readOnly)
        return DoSave(nullptr, TRUE);
    return DoSave(path_.c_str(), TRUE);
}

BOOL CDocument::SaveWithDialog(const wchar_t* path, BOOL replace, const wchar_t* startFolder)
{
    std::wstring name = path ? path : L"";
    if (!path) {
        std::wstring extensions;
        if (template_)
            template_->GetDocString(extensions, kDocStringFilterExt);
        name = OfferedSaveName(path_, title_, replace != FALSE, extensions);
        if (!PromptFileName(BoxOwner(), FileDialogKind::Save, template_, startFolder, &name))
            return FALSE;
    }
    bool existed = FileExists(name);
    BOOL saved = FALSE;
    {
        CWaitCursor wait;
        saved = OnSaveDocument(name.c_str());
    }
    if (!saved) {
        // Only a file this attempt made goes; one the user chose to replace stays.
        if (!path && !existed)
            DeleteFileW(name.c_str());
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    if (replace)
        SetPathName(name.c_str());
    return TRUE;
}

void CDocument::SetPathName(const wchar_t* path, BOOL addToRecentFiles)
{
    path_ = FullPathOf(path);
    SetTitle(PathFindFileNameW(path_.c_str()));
    CWinApp* app = DocViewApp();
    if (addToRecentFiles && app)
        app->AddToRecentFileList(path_.c_str());
}

void CDocument::SetTitle(const wchar_t* title)
{
    title_ = title ? title : L"";
    UpdateFrameCounts();
}

void CDocument::AddView(CView* view)
{
    if (!view || std::find(views_.begin(), views_.end(), view) != views_.end())
        return;
    views_.push_back(view);
    view->document_ = this;
}

void CDocument::RemoveView(CView* view)
{
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
    if (view && view->document_ == this)
        view->document_ = nullptr;
    if (closing_)
        return;
    if (views_.empty() && autoClose_)
        OnCloseDocument();
    else
        UpdateFrameCounts();
}

std::vector<CMDIChildWnd*> CDocument::Frames() const
{
    std::vector<CMDIChildWnd*> frames;
    for (CView* view : views_) {
        CMDIChildWnd* frame = view->GetParentFrame();
        if (frame && std::find(frames.begin(), frames.end(), frame) == frames.end())
            frames.push_back(frame);
    }
    return frames;
}

void CDocument::UpdateFrameCounts()
{
    std::vector<CMDIChildWnd*> frames = Frames();
    int number = frames.size() > 1 ? 1 : 0;
    for (CMDIChildWnd* frame : frames)
        frame->SetWindowNumber(number ? number++ : 0);
    CWinApp* app = DocViewApp();
    if (app && app->MainFrame())
        app->MainFrame()->OnUpdateFrameTitle();
}

HWND CDocument::BoxOwner() const
{
    CWinApp* app = DocViewApp();
    return app && app->MainFrame() ? app->MainFrame()->GetSafeHwnd() : nullptr;
}

bool CDocument::OnCmdMsg(UINT id, UINT code, bool execute)
{
    static const CommandEntry<CDocument> kTable[] = {
        HandleCommand(kIdFileClose, &CDocument::OnFileClose),
        HandleCommand(kIdFileSave, &CDocument::OnFileSave),
        HandleCommand(kIdFileSaveAs, &CDocument::OnFileSaveAs),
    };
    return DispatchCommand(*this, kTable, id, code, execute) ||
           CCmdTarget::OnCmdMsg(id, code, execute);
}

void CDocument::OnFileClose()
{
    if (DocViewIsBusy())
        return;
    if (SaveModified())
        OnCloseDocument();
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr, TRUE);
}
