#include "CEditorMFCApp.h"

#include "CChildFrame.h"
#include "CEditorMFCDoc.h"
#include "CEditorMFCView.h"
#include "CMainFrame.h"
#include "CMyMultiDocTemplate.h"
#include "EditorIds.h"
#include "LMMessageBox.h"
#include "LMToolkit.h"
#include "MainFramePlacement.h"
#include "ProductCaption.h"

#include <commctrl.h>

#include <new>

const wchar_t* const kAboutText =
    L"Version 1.01\r\r"
    L"Trivane Theme Editor makes pointer themes: import an image for each pointer, click "
    L"effect and trail, set hot spots, frames and scripts, and save the theme as a .Trivane "
    L"file.";

CEditorMFCApp::~CEditorMFCApp()
{
    LMSetDefaultBoxOwner(nullptr);
}

BOOL CEditorMFCApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);
    LMInitialize(Instance(), L"TrivaneEditor", LMInitReserved);
    if (!CWinApp::InitInstance())
        return FALSE;
    SetRegistryKey(kEditorRegistryKey);
    LoadStdProfileSettings(kEditorRecentFiles);

    std::unique_ptr<CMultiDocTemplate> docTemplate(new (std::nothrow) CMyMultiDocTemplate(
        kIdThemeDocument, CEditorMFCDoc::CreateObject, CChildFrame::CreateObject,
        CEditorMFCView::CreateObject));
    if (!docTemplate)
        return FALSE;
    AddDocTemplate(std::move(docTemplate));

    auto frame = std::make_unique<CMainFrame>();
    if (!frame->LoadFrame(kIdMainFrame, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
        return FALSE;
    SetMainFrame(std::move(frame));
    // Boxes raised inside a load are modal to the main frame, which then
    // cannot close under the load.
    LMSetDefaultBoxOwner(MainFrame()->GetSafeHwnd());
    // Before the first document frame opens, so that it opens in room enough.
    HWND frameWindow = MainFrame()->GetSafeHwnd();
    const int show = PlaceMainFrameWindow(frameWindow, MainFrame()->MDIClient(), ShowCommand());

    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (!ProcessShellCommand(commandLine))
        return FALSE;
    ShowWindow(frameWindow, show);
    UpdateWindow(frameWindow);
    return TRUE;
}

bool CEditorMFCApp::OnCmdMsg(UINT id, UINT code, bool execute)
{
    static const CommandEntry<CEditorMFCApp> kTable[] = {
        HandleCommand<CEditorMFCApp>(kIdFileNew, &CEditorMFCApp::OnFileNew),
        HandleCommand<CEditorMFCApp>(kIdFileOpen, &CEditorMFCApp::OnFileOpen),
        HandleCommand(kIdAppAbout, &CEditorMFCApp::OnAppAbout),
    };
    return DispatchCommand(*this, kTable, id, code, execute) ||
           CWinApp::OnCmdMsg(id, code, execute);
}

void CEditorMFCApp::OnAppAbout()
{
    if (CMDIFrameWnd* frame = MainFrame())
        frame->MessageBox(kAboutText, kProductCaption, MB_OK | MB_ICONINFORMATION);
}
