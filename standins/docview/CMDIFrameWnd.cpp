#include "CMDIFrameWnd.h"

#include "DocBusy.h"

#include "CDocument.h"
#include "CMDIChildWnd.h"
#include "CStatusBar.h"
#include "CWinApp.h"
#include "DocViewTexts.h"

#include <algorithm>

namespace {

// The popup that lists the document windows: the one with "New Window".
HMENU FindWindowMenu(HMENU menu)
{
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        HMENU popup = GetSubMenu(menu, i);
        if (popup && GetMenuState(popup, kIdWindowNew, MF_BYCOMMAND) != static_cast<UINT>(-1))
            return popup;
    }
    return nullptr;
}

}  // namespace

CMDIFrameWnd::CMDIFrameWnd() = default;

// The application destroys the window first; what is left goes without
// reaching the objects.
CMDIFrameWnd::~CMDIFrameWnd() = default;

BOOL CMDIFrameWnd::LoadFrame(UINT resourceId, DWORD style)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    std::wstring title = LoadResourceString(resourceId);
    title_ = title.substr(0, title.find(L'\n'));
    menu_.Reset(LoadMenuW(instance, MAKEINTRESOURCEW(resourceId)));
    icon_ = LoadIconW(instance, MAKEINTRESOURCEW(resourceId));
    accelerators_ = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(resourceId));
    addToTitle_ = (style & FWS_ADDTOTITLE) != 0;

    CREATESTRUCTW cs = {};
    cs.style = style;
    cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    cs.hMenu = menu_.Get();
    cs.lpszName = title_.c_str();
    if (!PreCreateWindow(cs) || !CreateFromStruct(cs))
        return FALSE;
    if (icon_) {
        SendMessageW(GetSafeHwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
        SendMessageW(GetSafeHwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    }
    RecalcLayout();
    return TRUE;
}

int CMDIFrameWnd::OnCreate(CREATESTRUCTW* cs)
{
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    CLIENTCREATESTRUCT client = {nullptr, kIdFirstMdiChild};
    client_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                              WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0,
                              0, 0, 0, GetSafeHwnd(),
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kIdMdiClient)),
                              GetModuleHandleW(nullptr), &client);
    return client_ ? 0 : -1;
}

LRESULT CMDIFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        // The default would stretch the MDI client over the status bar.
        if (wParam != SIZE_MINIMIZED)
            RecalcLayout();
        return 0;
    case WM_INITMENUPOPUP:
        if (!HIWORD(lParam))
            OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        break;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        break;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_NCDESTROY:
        client_ = nullptr;
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CMDIFrameWnd::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefFrameProcW(GetSafeHwnd(), client_, message, wParam, lParam);
}

void CMDIFrameWnd::PostNcDestroy()
{
    PostQuitMessage(0);
}

void CMDIFrameWnd::OnDestroy()
{
    destroying_ = true;
    // Document frames leave through the MDI client, as closing them would;
    // the client cannot be asked once it is going itself.
    while (!children_.empty() && children_.back()->GetSafeHwnd()) {
        HWND child = children_.back()->GetSafeHwnd();
        SendMessageW(client_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
        if (IsWindow(child))
            break;
    }
    // Both menus have owners of their own; the window must not destroy them.
    SetMenu(GetSafeHwnd(), nullptr);
}

void CMDIFrameWnd::OnClose()
{
    if (DocViewIsBusy())
        return;
    CWinApp* app = DocViewApp();
    if (app && !app->SaveAllModified())
        return;
    if (app)
        app->CloseAllDocuments();
    DestroyWindow();
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const
{
    if (!client_)
        return nullptr;
    auto active = reinterpret_cast<HWND>(SendMessageW(client_, WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<CMDIChildWnd*>(FromHandle(active));
}

CDocument* CMDIFrameWnd::GetActiveDocument() const
{
    CMDIChildWnd* child = MDIGetActive();
    return child ? child->GetActiveDocument() : nullptr;
}

CMDIChildWnd* CMDIFrameWnd::AdoptChildFrame(std::unique_ptr<CMDIChildWnd> frame)
{
    if (!frame)
        return nullptr;
    children_.push_back(std::move(frame));
    return children_.back().get();
}

void CMDIFrameWnd::ReleaseChildFrame(CMDIChildWnd* frame)
{
    auto found = std::find_if(children_.begin(), children_.end(),
                              [frame](const auto& owned) { return owned.get() == frame; });
    if (found == children_.end())
        return;
    // Out of the list first: the frame's destructor may call back here.
    std::unique_ptr<CMDIChildWnd> owned = std::move(*found);
    children_.erase(found);
    owned.reset();
    if (client_ && !destroying_ && !MDIGetActive()) {
        ShowDocumentMenu(nullptr);
        OnUpdateFrameTitle();
    }
}

void CMDIFrameWnd::ShowDocumentMenu(HMENU documentMenu)
{
    HMENU menu = documentMenu ? documentMenu : menu_.Get();
    if (!client_ || !menu)
        return;
    HMENU windowMenu = documentMenu ? FindWindowMenu(documentMenu) : nullptr;
    SendMessageW(client_, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu),
                 reinterpret_cast<LPARAM>(windowMenu));
    DrawMenuBar(GetSafeHwnd());
}

void CMDIFrameWnd::OnUpdateFrameTitle()
{
    if (!GetSafeHwnd())
        return;
    std::wstring text = title_;
    CDocument* document = GetActiveDocument();
    if (addToTitle_ && document)
        text += L" - " + document->GetTitle();
    wchar_t shown[512] = {};
    GetWindowTextW(GetSafeHwnd(), shown, 512);
    if (text != shown)
        SetWindowTextW(GetSafeHwnd(), text.c_str());
}

void CMDIFrameWnd::RecalcLayout()
{
    RECT client = {};
    if (!GetSafeHwnd() || !GetClientRect(GetSafeHwnd(), &client))
        return;
    int barHeight = 0;
    if (statusBar_) {
        statusBar_->Layout();
        barHeight = statusBar_->Height();
    }
    if (client_)
        MoveWindow(client_, 0, 0, client.right, std::max(0L, client.bottom - barHeight), TRUE);
}

void CMDIFrameWnd::SetMessageText(const wchar_t* text)
{
    if (statusBar_)
        statusBar_->SetPaneText(0, text);
}

void CMDIFrameWnd::OnIdleUpdate()
{
    if (statusBar_)
        statusBar_->UpdateIndicators();
}

void CMDIFrameWnd::OnMenuSelect(UINT id, UINT flags, HMENU menu)
{
    if (flags == 0xFFFF && !menu)
        SetMessageText(kTextReady);
    else if (flags & (MF_POPUP | MF_SEPARATOR))
        SetMessageText(L"");
    else
        SetMessageText(CommandPrompt(id).c_str());
}
