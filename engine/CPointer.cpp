#include "CPointer.h"

#include "CTheme.h"
#include "CursorSubstitution.h"
#include "EngineLifecycle.h"
#include "EngineMessages.h"
#include "EngineValues.h"
#include "EngineWorld.h"
#include "LMBitmapState.h"
#include "TrackingValues.h"

std::unique_ptr<CPointer> EnginePointer;
std::unique_ptr<CTheme> CurrentTheme;

namespace {

constexpr int kPointerLayerTopmost = 8;
constexpr int32_t kShadowedStates[] = {kCursorStateNormal, kCursorStateLeftDown};
constexpr int kDummyCursorId = 0x81;
constexpr int kEngineWindowSize = 32;

std::unique_ptr<LMBlankState> MakeBlankState()
{
    return std::make_unique<LMBlankState>(L"blank");
}

void RegisterEngineWindowClass()
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = EngineWndProc;
    windowClass.cbWndExtra = 1;
    windowClass.hInstance = EngineInstance;
    windowClass.hCursor = World().LoadCursorW(EngineInstance, MAKEINTRESOURCEW(kDummyCursorId));
    windowClass.lpszClassName = kEngineWindowClass;
    World().RegisterClassExW(&windowClass);
}

}  // namespace

CPointer::CPointer() : LMObj(LMObjLayered), blank_(MakeBlankState())
{
    StatesNotOwned = 1;
    Layer = kPointerLayerTopmost;
    AddState(blank_.get());
}

CPointer::~CPointer()
{
    // The window goes with the object; the states stay with their owners.
    HWND own = Window;
    Unrealize();
    if (own && EngineWindow == own)
        EngineWindow = nullptr;
    RemoveAllStates();
}

int CPointer::CreateWnd()
{
    RegisterEngineMessages();
    RegisterEngineWindowClass();
    HWND window = World().CreateWindowExW(
        WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_TOPMOST, kEngineWindowClass,
        L"", WS_POPUP, 0, 0, kEngineWindowSize, kEngineWindowSize, nullptr, nullptr, EngineInstance,
        nullptr);
    Window = window;
    EngineWindow = window;
    World().SetWindowLongPtrW(window, GWLP_USERDATA, EngineActiveMark);
    if (!RegisterEngineHotKey())
        DebugLog(L"Couldn't assign hotkey\r");
    return 1;
}

int CPointer::LoadTheme()
{
    wchar_t path[kPathChars] = {};
    World().GetCurrentThemePath(path);
    return LoadThemeFrom(path);
}

int CPointer::LoadThemeFrom(const wchar_t* path)
{
    HWND own = Window;
    Unrealize();
    if (own && EngineWindow == own && !Window)
        EngineWindow = nullptr;
    RemoveAllStates();
    // A sound may still play from the theme's memory.
    World().PlaySoundW(nullptr, nullptr, 0);
    // The entry last drawn goes with the theme; a new one may take its address.
    LastPointerEntry = nullptr;
    CurrentTheme.reset();
    DWORD attributes = World().GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return 0;
    auto theme = std::make_unique<CTheme>();
    if (!theme->Load(path, 0))
        return 0;
    CurrentTheme = std::move(theme);
    ApplyShadow();
    blank_ = MakeBlankState();
    AddState(blank_.get());
    for (int i = 0; CThemeCursor* cursor = CurrentTheme->GetCursorAt(i); ++i) {
        if (cursor->Animation)
            AddState(cursor->Animation.get());
    }
    Realize();
    return 1;
}

int CPointer::ApplyShadow()
{
    if (!CurrentTheme || ShadowSettings.DisableShadow != 0)
        return 0;
    const EngineShadowSettings& s = ShadowSettings;
    for (int32_t state : kShadowedStates) {
        for (int32_t role = 0; role < kCursorRoleCount; ++role) {
            CThemeCursor* cursor = CurrentTheme->FindCursor(role, state, kThemeCursorGroup);
            if (cursor && cursor->Animation) {
                cursor->Animation->AddShadow(s.ShadowX, s.ShadowY, s.ShadowSharpness, s.ShadowDark,
                                             0, 0);
            }
        }
    }
    return 1;
}

int CPointer::ChangeStateByName(const wchar_t* name)
{
    return World().ChangeObjectState(this, name);
}

void CPointer::RemoveAllStates()
{
    while (!States.empty())
        RemoveState(States.front()->Name.c_str(), 1);
}
