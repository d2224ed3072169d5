// The main dialog's procedure: its build, the null notices other code and
// programs post, Cancel, the language combo box, the timers and its paint.

#include "PanelShell.h"

#include "Composition.h"
#include "EngineWorld.h"
#include "FolderWatch.h"
#include "LMClock.h"
#include "LMMessageBox.h"
#include "LMObjWindow.h"
#include "LMToolkit.h"
#include "Language.h"
#include "LibraryRows.h"
#include "ListScrolling.h"
#include "MainWindow.h"
#include "PanelNotices.h"
#include "PanelResources.h"
#include "PanelSettings.h"
#include "PanelTrailSprite.h"
#include "ProductCaption.h"

namespace {

constexpr wchar_t kLanguageSetting[] = L"Language";
constexpr int kUiRestartQuestion = 78;
constexpr int kComboTextChars = 256;

void OnInitDialog(HWND dialog)
{
    PanelDialog = dialog;
    // Boxes raised inside a load are modal to the panel.
    LMSetDefaultBoxOwner(dialog);
    SetWindowLongPtrW(dialog, GWLP_USERDATA, PanelWindowMark);
    BuildMainWindow();
}

// A burst of changes rebuilds the lists once, a second after the last:
// setting the timer again starts its second over.
void OnThemesFolderChanged(HWND dialog)
{
    World().SetTimer(dialog, kRefreshListsTimer, kRefreshListsDelayMs, nullptr);
}

// The engine put a theme there: show it as it is, asking nothing and
// writing nothing.
void ReloadCurrentTheme()
{
    RefreshCurrentThemePath();
    if (PanelCurrentThemePath[0])
        ComposeCurrentTheme(0, PanelCurrentThemePath, 0, 1);
}

void OnNullNotice(WPARAM wParam, LPARAM lParam)
{
    if (wParam == DeferredDeleteNotice)
        DeleteTrailSprite(lParam);
    else if (wParam == ReloadThemeNotice)
        ReloadCurrentTheme();
}

// A new panel starts in the new language; this one stops being the panel
// it would find and switch to.
void RestartPanel(HWND dialog)
{
    wchar_t path[MAX_PATH];
    const DWORD length = World().GetModuleFileNameW(nullptr, path, MAX_PATH);
    LMMutex.Reset();
    SetWindowTextW(dialog, L"");
    SetWindowLongPtrW(dialog, GWLP_USERDATA, 0);
    if (length > 0 && length < MAX_PATH)
        LaunchFile(path);
    World().PostQuitMessage(1);
}

// A name that is no listed language stores 0: the user's own language.
void OnLanguageChosen(HWND dialog)
{
    wchar_t name[kComboTextChars] = {};
    GetWindowTextW(PanelShell.LanguageCombo, name, kComboTextChars);
    WriteSettingDword(LanguageIdByName(name), kLanguageSetting);
    if (LMMessageBox(dialog, UiText(kUiRestartQuestion), kProductCaption,
                     MB_YESNO | MB_ICONQUESTION) == IDYES)
        RestartPanel(dialog);
}

void OnCommand(HWND dialog, WPARAM wParam)
{
    const WORD id = LOWORD(wParam);
    if (id == IDCANCEL)
        EndDialog(dialog, 1);
    else if (id == IDC_PANEL_LANGUAGE && HIWORD(wParam) == CBN_SELCHANGE)
        OnLanguageChosen(dialog);
}

void OnTimer(HWND dialog, UINT_PTR timer)
{
    RepeatScroll(timer, LMClockNowMs());
    if (timer != kRefreshListsTimer)
        return;
    World().KillTimer(dialog, kRefreshListsTimer);
    RebuildLibraryLists();
}

void PaintBlack(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    ScopedBrush black(CreateSolidBrush(RGB(0, 0, 0)));
    if (dc && black)
        FillRect(dc, &paint.rcPaint, black.Get());
    EndPaint(window, &paint);
}

void Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(window);
        break;
    case WM_NULL:
        OnNullNotice(wParam, lParam);
        break;
    case WM_COMMAND:
        OnCommand(window, wParam);
        break;
    case WM_TIMER:
        OnTimer(window, wParam);
        break;
    case kThemesFolderChanged:
        OnThemesFolderChanged(window);
        break;
    case WM_CAPTURECHANGED:
        StopScrollRepeat();
        break;
    case WM_PAINT:
        PaintBlack(window);
        break;
    case WM_DWMCOMPOSITIONCHANGED:
        if (PanelShell.FrameImage)
            PanelShell.FrameImage->Show();
        break;
    case WM_DESTROY:
        if (window == PanelDialog) {
            LMSetDefaultBoxOwner(nullptr);
            ReleaseMainWindow();
        }
        break;
    default:
        break;
    }
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LMGuarded([&] { Handle(window, message, wParam, lParam); });
    return 0;
}
