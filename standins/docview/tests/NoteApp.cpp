#include "NoteApp.h"

#include "CMDIChildWnd.h"
#include "CMultiDocTemplate.h"
#include "MessagePump.h"
#include "TempFolder.h"

#include <iterator>

int NoteView::SharedCount = 0;

BOOL NoteDoc::OnOpenDocument(const wchar_t* path)
{
    std::string bytes;
    return CDocument::OnOpenDocument(path) && ReadBytesFromFile(path, &bytes) && bytes != "bad";
}

BOOL NoteDoc::OnSaveDocument(const wchar_t* path)
{
    return CDocument::OnSaveDocument(path) && WriteBytesToFile(path, "note", 4);
}

bool NoteView::OnCmdMsg(UINT id, UINT code, bool execute)
{
    static const CommandEntry<NoteView> kTable[] = {HandleCommand(kIdShared, &NoteView::OnShared)};
    return DispatchCommand(*this, kTable, id, code, execute) || CView::OnCmdMsg(id, code, execute);
}

int NoteFrame::OnCreate(CREATESTRUCTW* cs)
{
    static const UINT kIndicators[] = {kIdSeparator, kIdIndicatorCaps, kIdIndicatorNum,
                                       kIdIndicatorScroll};
    if (CMDIFrameWnd::OnCreate(cs) == -1 || !statusBar_.Create(this) ||
        !statusBar_.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators))))
        return -1;
    return 0;
}

BOOL NoteApp::InitInstance()
{
    LoadStdProfileSettings(8);
    AddDocTemplate(std::make_unique<CMultiDocTemplate>(
        129, NoteDoc::CreateObject, [] { return std::make_unique<CMDIChildWnd>(); },
        NoteView::CreateObject));
    auto frame = std::make_unique<NoteFrame>();
    if (!frame->LoadFrame(128))
        return FALSE;
    SetMainFrame(std::move(frame));
    CCommandLineInfo info;
    ParseCommandLine(info);
    if (StartEmpty)
        info.Command = CCommandLineInfo::FileNothing;
    if (!ProcessShellCommand(info))
        return FALSE;
    ShowWindow(MainFrame()->GetSafeHwnd(), ShowCommand());
    return TRUE;
}

bool NoteApp::OnCmdMsg(UINT id, UINT code, bool execute)
{
    static const CommandEntry<NoteApp> kTable[] = {
        HandleCommand<NoteApp>(kIdFileNew, &NoteApp::OnFileNew),
        HandleCommand<NoteApp>(kIdFileOpen, &NoteApp::OnFileOpen),
        HandleCommand(kIdShared, &NoteApp::OnShared),
    };
    return DispatchCommand(*this, kTable, id, code, execute) ||
           CWinApp::OnCmdMsg(id, code, execute);
}

void NoteAppTest::SetUp()
{
    NoteView::SharedCount = 0;
}

void NoteAppTest::TearDown()
{
    app_.reset();
    // The main frame's end posted a quit message; it must not end later pumps.
    PumpMessagesFor(0);
}

void NoteAppTest::StartApp(const std::wstring& arguments, bool empty)
{
    app_.reset();
    PumpMessagesFor(0);
    app_ = std::make_unique<NoteApp>();
    app_->UseCommandLine(arguments);
    app_->UseProfileKey(profileKey_);
    app_->StartEmpty = empty;
    // Hidden: showing and hiding a top-level window costs a second each
    // under Wine without a window manager.
    app_->SetStartup(GetModuleHandleW(nullptr), SW_HIDE);
    ASSERT_TRUE(app_->InitInstance());
}

void NoteAppTest::Command(UINT id)
{
    SendMessageW(MainWindow(), WM_COMMAND, id, 0);
}

std::vector<int> NoteAppTest::EnabledStates(const std::vector<UINT>& ids)
{
    ScopedMenu popup(CreatePopupMenu());
    for (UINT id : ids)
        AppendMenuW(popup.Get(), MF_STRING, id, L"item");
    SendMessageW(MainWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.Get()), 0);
    std::vector<int> states;
    for (UINT id : ids)
        states.push_back((GetMenuState(popup.Get(), id, MF_BYCOMMAND) & MF_GRAYED) ? 0 : 1);
    return states;
}

CMultiDocTemplate& NoteAppTest::Template() const
{
    return *app_->Templates().front();
}

HWND NoteAppTest::MainWindow() const
{
    return app_->MainFrame()->GetSafeHwnd();
}

std::wstring NoteAppTest::WindowText(HWND window) const
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}
