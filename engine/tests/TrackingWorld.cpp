#include "TrackingWorld.h"

#include "CTheme.h"
#include "EngineValues.h"
#include "SystemCursorTable.h"
#include "TrackingStep.h"

#include <algorithm>
#include <cwchar>
#include <stdexcept>

namespace {

HCURSOR DummyHandle(int slot)
{
    return reinterpret_cast<HCURSOR>(static_cast<uintptr_t>(0x9000 + slot));
}

void ClearCursorTable()
{
    for (SystemCursorSlot& slot : SystemCursorSlots) {
        slot.Dummy = nullptr;
        slot.SavedCopy = nullptr;
    }
}

}  // namespace

HWND FakeWindow(uintptr_t value)
{
    return reinterpret_cast<HWND>(value);
}

BOOL TrackingWorld::GetCursorPos(POINT* point)
{
    FakeWorld::GetCursorPos(point);
    if (CursorPosThrows)
        throw std::runtime_error("GetCursorPos");
    *point = Cursor;
    return TRUE;
}

BOOL TrackingWorld::GetCursorInfo(CURSORINFO* info)
{
    FakeWorld::GetCursorInfo(info);
    if (CursorPosThrows)
        throw std::runtime_error("GetCursorInfo");
    info->hCursor = ShownCursor;
    info->flags = CursorFlags;
    info->ptScreenPos = Cursor;
    return TRUE;
}

BOOL TrackingWorld::GetIconInfo(HICON icon, ICONINFO* info)
{
    FakeWorld::GetIconInfo(icon, info);
    info->xHotspot = static_cast<DWORD>(HotSpot.x);
    info->yHotspot = static_cast<DWORD>(HotSpot.y);
    return IconInfoReads;
}

HWND TrackingWorld::WindowFromPoint(POINT point)
{
    FakeWorld::WindowFromPoint(point);
    return Under;
}

HWND TrackingWorld::GetAncestor(HWND window, UINT flags)
{
    FakeWorld::GetAncestor(window, flags);
    auto found = Windows.find(window);
    if (found == Windows.end())
        return nullptr;
    return found->second.Root ? found->second.Root : window;
}

HWND TrackingWorld::ChildWindowFromPointEx(HWND window, POINT point, UINT flags)
{
    FakeWorld::ChildWindowFromPointEx(window, point, flags);
    auto found = Windows.find(window);
    if (found == Windows.end())
        return nullptr;
    return found->second.Child ? found->second.Child : window;
}

BOOL TrackingWorld::ScreenToClient(HWND window, POINT* point)
{
    FakeWorld::ScreenToClient(window, point);
    auto found = Windows.find(window);
    if (found == Windows.end())
        return FALSE;
    point->x -= found->second.Rect.left;
    point->y -= found->second.Rect.top;
    return TRUE;
}

int TrackingWorld::GetClassNameW(HWND window, wchar_t* buffer, int chars)
{
    FakeWorld::GetClassNameW(window, buffer, chars);
    auto found = Windows.find(window);
    if (found == Windows.end() || chars <= 0)
        return 0;
    // As the system does: as much as fits, always terminated.
    int copied = std::min(static_cast<int>(found->second.Class.size()), chars - 1);
    wmemcpy(buffer, found->second.Class.c_str(), static_cast<size_t>(copied));
    buffer[copied] = L'\0';
    return copied;
}

LONG_PTR TrackingWorld::GetWindowLongPtrW(HWND window, int index)
{
    LONG_PTR value = FakeWorld::GetWindowLongPtrW(window, index);
    auto found = Windows.find(window);
    if (found == Windows.end())
        return index == GWLP_USERDATA ? value : 0;
    if (index == GWL_STYLE)
        return static_cast<LONG>(found->second.Style);
    if (index == GWL_EXSTYLE)
        return static_cast<LONG>(found->second.ExStyle);
    return value;
}

BOOL TrackingWorld::GetWindowRect(HWND window, RECT* rect)
{
    FakeWorld::GetWindowRect(window, rect);
    auto found = Windows.find(window);
    if (found == Windows.end())
        return FALSE;
    *rect = found->second.Rect;
    return TRUE;
}

HWND TrackingWorld::GetWindow(HWND window, UINT relation)
{
    FakeWorld::GetWindow(window, relation);
    auto found = Windows.find(window);
    return found != Windows.end() && relation == GW_HWNDPREV ? found->second.Above : nullptr;
}

BOOL TrackingWorld::IsWindowVisible(HWND window)
{
    FakeWorld::IsWindowVisible(window);
    auto found = Windows.find(window);
    return found != Windows.end() && found->second.Visible;
}

BOOL TrackingWorld::GetConsoleDisplayMode(DWORD* flags)
{
    FakeWorld::GetConsoleDisplayMode(flags);
    if (!ConsoleModeReads) {
        *flags = 0xBAD;  // what a failed call may leave behind
        return FALSE;
    }
    *flags = ConsoleMode;
    return TRUE;
}

HDESK TrackingWorld::OpenInputDesktop(DWORD flags, BOOL inherit, ACCESS_MASK access)
{
    HDESK desktop = FakeWorld::OpenInputDesktop(flags, inherit, access);
    return DesktopOpens ? desktop : nullptr;
}

BOOL TrackingWorld::SystemParametersInfoW(UINT action, UINT uiParam, void* pvParam, UINT winIni)
{
    FakeWorld::SystemParametersInfoW(action, uiParam, pvParam, winIni);
    if (action == SPI_GETSCREENSAVERRUNNING)
        *static_cast<BOOL*>(pvParam) = ScreenSaverRunning;
    return TRUE;
}

int TrackingWorld::GetSystemMetrics(int index)
{
    FakeWorld::GetSystemMetrics(index);
    switch (index) {
    case SM_CXSCREEN:
        return ScreenWidth;
    case SM_CYSCREEN:
        return ScreenHeight;
    case SM_REMOTESESSION:
        return RemoteSession;
    default:
        return 0;
    }
}

int RecordingPointer::Show()
{
    Calls.push_back("Show");
    return CPointer::Show();
}

int RecordingPointer::Hide()
{
    Calls.push_back("Hide");
    return CPointer::Hide();
}

int RecordingPointer::MoveAligned(int x, int y)
{
    Calls.push_back("MoveAligned " + std::to_string(x) + " " + std::to_string(y));
    return CPointer::MoveAligned(x, y);
}

void TrackingFixture::SetUp()
{
    ResetEngineState();
    ClearCursorTable();
    EngineWindow = engineWindow_;
    world_.Windows[engineWindow_] = {L"Pavolt", {0, 0, 32, 32}, WS_POPUP, WS_EX_TOPMOST};
    auto pointer = std::make_unique<RecordingPointer>();
    pointer_ = pointer.get();
    EnginePointer = std::move(pointer);
}

void TrackingFixture::TearDown()
{
    ClearCursorTable();
    ResetEngineState();
}

void TrackingFixture::Restart()
{
    TearDown();
    world_ = TrackingWorld();
    SetUp();
}

void TrackingFixture::UseTheme(const std::vector<TestCursor>& cursors)
{
    CurrentTheme = MakeTestTheme(cursors);
    for (int i = 0; CThemeCursor* cursor = CurrentTheme->GetCursorAt(i); ++i)
        pointer_->AddState(cursor->Animation.get());
}

CThemeCursor* TrackingFixture::Entry(int role, int state)
{
    return CurrentTheme->FindCursor(role, state, kThemeCursorGroup);
}

void TrackingFixture::StripPixels(int role, int state)
{
    CThemeCursor* entry = Entry(role, state);
    pointer_->RemoveState(entry->Animation->Name.c_str(), 1);
    entry->Animation.reset();
}

void TrackingFixture::InstallDummy(int slot)
{
    SystemCursorSlots[slot].Dummy = DummyHandle(slot);
}

void TrackingFixture::ShowDummy(int slot)
{
    InstallDummy(slot);
    world_.ShownCursor = DummyHandle(slot);
}

void TrackingFixture::DrawArrow()
{
    EngineEnabled = 1;
    DummyVerified = 1;
    ShowDummy(0);
    UpdateStep();
    ASSERT_EQ(0, CurrentSlot);
    ASSERT_EQ(1, pointer_->Shown);
    ClearCalls();
}

void TrackingFixture::ClearCalls()
{
    world_.Calls.clear();
    pointer_->Calls.clear();
}

const wchar_t* TrackingFixture::PointerState() const
{
    return pointer_->CurrentState ? pointer_->CurrentState->Name.c_str() : L"";
}

int TrackingFixture::Role(CThemeCursor* entry) const
{
    return entry ? entry->Role : -1;
}
