#include "CWinApp.h"

#include "CDocument.h"
#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CMultiDocTemplate.h"
#include "DocViewTexts.h"
#include "FileDialog.h"

#include <cwchar>
#include <shellapi.h>
#include <shlwapi.h>

namespace {

CWinApp* g_app = nullptr;

// The arguments of a command line, without the program name when it has one.
std::vector<std::wstring> SplitArguments(const wchar_t* commandLine, bool withProgram)
{
    std::vector<std::wstring> arguments;
    std::wstring line = withProgram ? commandLine : std::wstring(L"program ") + commandLine;
    int count = 0;
    LPWSTR* raw = CommandLineToArgvW(line.c_str(), &count);
    if (!raw)
        return arguments;
    for (int i = 1; i < count; ++i)
        arguments.emplace_back(raw[i]);
    LocalFree(raw);
    return arguments;
}

// The dialog a key goes to when it is typed inside a dialog that lives in a
// view or a frame, not in a window of its own; null otherwise.
HWND ChildDialogOf(HWND window)
{
    wchar_t className[8];
    for (; window && (GetWindowLongW(window, GWL_STYLE) & WS_CHILD); window = GetParent(window)) {
        if (GetClassNameW(window, className, 8) && wcscmp(className, L"#32770") == 0)
            return window;
    }
    return nullptr;
}

// Such a dialog gets the keys of a dialog: Tab and the arrows between its
// controls, Alt and a mnemonic.
bool TranslateChildDialogKey(MSG* message)
{
    if (message->message < WM_KEYFIRST || message->message > WM_KEYLAST)
        return false;
    HWND dialog = ChildDialogOf(message->hwnd);
    return dialog && IsDialogMessageW(dialog, message);
}

std::wstring ProgramTitle()
{
    std::wstring title = LoadResourceString(kIdAppTitle);
    if (!title.empty())
        return title;
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    PathRemoveExtensionW(path);
    return PathFindFileNameW(path);
}

bool IsIdleMessage(const MSG& message)
{
    // Paints and timers come by themselves; idle work after them would never rest.
    return message.message != WM_PAINT && message.message != WM_TIMER && message.message != 0x0118;
}

}  // namespace

void CCommandLineInfo::ParseParam(const wchar_t* param, BOOL flag, BOOL)
{
    if (!flag && param && *param && FileName.empty()) {
        FileName = param;
        Command = FileOpen;
    }
}

CWinApp::CWinApp()
    : instance_(GetModuleHandleW(nullptr)), appName_(ProgramTitle()),
      arguments_(SplitArguments(GetCommandLineW(), true))
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (mainFrame_ && mainFrame_->GetSafeHwnd())
        mainFrame_->DestroyWindow();
    mainFrame_.reset();
    templates_.clear();
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* DocViewApp()
{
    return g_app;
}

const wchar_t* AppTitle()
{
    return g_app ? g_app->AppName().c_str() : L"";
}

void CWinApp::SetStartup(HINSTANCE instance, int showCommand)
{
    instance_ = instance;
    showCommand_ = showCommand;
}

void CWinApp::UseCommandLine(const std::wstring& arguments)
{
    arguments_ = SplitArguments(arguments.c_str(), false);
}

void CWinApp::UseProfileKey(const std::wstring& subkey)
{
    profileOverride_ = subkey;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    std::wstring key = ProfileKey();
    if (recentFiles_ && !key.empty())
        recentFiles_->WriteList(key);
    return exitCode_;
}

int CWinApp::Run()
{
    MSG message = {};
    bool idle = true;
    LONG idleCount = 0;
    for (;;) {
        while (idle && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = false;
        }
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            exitCode_ = got == 0 ? static_cast<int>(message.wParam) : -1;
            break;
        }
        if (!PreTranslateMessage(&message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (IsIdleMessage(message)) {
            idle = true;
            idleCount = 0;
        }
    }
    return ExitInstance();
}

BOOL CWinApp::OnIdle(LONG count)
{
    if (count == 0 && mainFrame_)
        mainFrame_->OnIdleUpdate();
    return FALSE;
}

BOOL CWinApp::PreTranslateMessage(MSG* message)
{
    HWND main = mainFrame_ ? mainFrame_->GetSafeHwnd() : nullptr;
    if (!main || (message->hwnd != main && !IsChild(main, message->hwnd)))
        return FALSE;
    HWND client = mainFrame_->MDIClient();
    if (client && TranslateMDISysAccel(client, message))
        return TRUE;
    HACCEL accelerators = mainFrame_->Accelerators();
    if (accelerators && TranslateAcceleratorW(main, accelerators, message))
        return TRUE;
    return TranslateChildDialogKey(message);
}

void CWinApp::SetRegistryKey(const wchar_t* key)
{
    registryKey_ = key ? key : L"";
}

std::wstring CWinApp::ProfileKey() const
{
    if (!profileOverride_.empty())
        return profileOverride_;
    if (registryKey_.empty())
        return std::wstring();
    return L"Software\\" + registryKey_ + L"\\" + appName_;
}

void CWinApp::LoadStdProfileSettings(UINT recentFiles)
{
    recentFiles_ = std::make_unique<CRecentFileList>(recentFiles);
    std::wstring key = ProfileKey();
    if (!key.empty())
        recentFiles_->ReadList(key);
}

void CWinApp::AddDocTemplate(std::unique_ptr<CMultiDocTemplate> docTemplate)
{
    if (docTemplate)
        templates_.push_back(std::move(docTemplate));
}

void CWinApp::SetMainFrame(std::unique_ptr<CMDIFrameWnd> frame)
{
    mainFrame_ = std::move(frame);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const
{
    for (size_t i = 0; i < arguments_.size(); ++i) {
        const std::wstring& argument = arguments_[i];
        bool flag = !argument.empty() && (argument[0] == L'/' || argument[0] == L'-');
        info.ParseParam(argument.c_str() + (flag ? 1 : 0), flag, i + 1 == arguments_.size());
    }
}

BOOL CWinApp::ProcessShellCommand(const CCommandLineInfo& info)
{
    switch (info.Command) {
    case CCommandLineInfo::FileNew:
        return !templates_.empty() && templates_.front()->OpenDocumentFile(nullptr) != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(info.FileName.c_str()) != nullptr;
    default:
        return TRUE;
    }
}

CDocument* CWinApp::OpenDocumentFile(const wchar_t* path)
{
    CMultiDocTemplate* best = nullptr;
    int bestMatch = kMatchNone;
    for (const auto& docTemplate : templates_) {
        CDocument* open = nullptr;
        int match = docTemplate->MatchDocType(path, &open);
        if (match == kMatchAlreadyOpen && open) {
            std::vector<CMDIChildWnd*> frames = open->Frames();
            if (!frames.empty())
                frames.front()->MDIActivate();
            return open;
        }
        if (match > bestMatch) {
            bestMatch = match;
            best = docTemplate.get();
        }
    }
    return best ? best->OpenDocumentFile(path) : nullptr;
}

void CWinApp::AddToRecentFileList(const wchar_t* path)
{
    if (recentFiles_ && path)
        recentFiles_->Add(path);
}

void CWinApp::UpdateRecentFileMenu(HMENU popup) const
{
    static const CRecentFileList kNone(0);
    (recentFiles_ ? *recentFiles_ : kNone).UpdateMenu(popup);
}

bool CWinApp::SaveAllModified()
{
    for (const auto& docTemplate : templates_) {
        if (!docTemplate->SaveAllModified())
            return false;
    }
    return true;
}

void CWinApp::CloseAllDocuments()
{
    for (const auto& docTemplate : templates_)
        docTemplate->CloseAllDocuments();
}

bool CWinApp::OnCmdMsg(UINT id, UINT code, bool execute)
{
    static const CommandEntry<CWinApp> kTable[] = {
        HandleCommand(kIdAppExit, &CWinApp::OnAppExit),
        HandleCommandRange(kIdFileRecentFirst, kIdFileRecentFirst + kRecentFileIdLimit - 1,
                           &CWinApp::OnOpenRecentFile),
    };
    return DispatchCommand(*this, kTable, id, code, execute) ||
           CCmdTarget::OnCmdMsg(id, code, execute);
}

void CWinApp::OnFileNew()
{
    if (!templates_.empty())
        templates_.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    std::wstring name;
    HWND owner = mainFrame_ ? mainFrame_->GetSafeHwnd() : nullptr;
    const CMultiDocTemplate* docTemplate = templates_.empty() ? nullptr : templates_.front().get();
    if (PromptFileName(owner, FileDialogKind::Open, docTemplate, nullptr, &name))
        OpenDocumentFile(name.c_str());
}

void CWinApp::OnAppExit()
{
    if (mainFrame_ && mainFrame_->GetSafeHwnd())
        SendMessageW(mainFrame_->GetSafeHwnd(), WM_CLOSE, 0, 0);
}

void CWinApp::OnOpenRecentFile(UINT id)
{
    size_t index = id - kIdFileRecentFirst;
    if (!recentFiles_ || index >= recentFiles_->Entries().size())
        return;
    std::wstring path = recentFiles_->Entries()[index];
    // A file that cannot be opened any more leaves the list.
    if (!OpenDocumentFile(path.c_str()))
        recentFiles_->Remove(index);
}

int DocViewMain(CWinApp& app, HINSTANCE instance, int showCommand)
{
    app.SetStartup(instance, showCommand);
    try {
        if (!app.InitInstance()) {
            app.ExitInstance();
            return 1;
        }
        return app.Run();
    } catch (...) {
        return -1;
    }
}
