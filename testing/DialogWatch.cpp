#include "DialogWatch.h"

#include "ScreenCapture.h"

namespace {

constexpr wchar_t kDialogClass[] = L"#32770";
constexpr DWORD kPollMs = 20;
// Long enough for the dialog to have painted once it shows.
constexpr DWORD kPaintMs = 300;

BOOL CALLBACK TakeFirstStatic(HWND child, LPARAM lParam)
{
    wchar_t className[16] = {};
    GetClassNameW(child, className, 16);
    if (lstrcmpiW(className, L"Static") != 0 || GetWindowTextLengthW(child) == 0)
        return TRUE;
    auto* text = reinterpret_cast<std::wstring*>(lParam);
    text->resize(static_cast<size_t>(GetWindowTextLengthW(child)) + 1);
    text->resize(
        static_cast<size_t>(GetWindowTextW(child, text->data(), static_cast<int>(text->size()))));
    return FALSE;
}

void ClickScreenPoint(POINT at)
{
    SetCursorPos(at.x, at.y);
    INPUT inputs[3]{};
    for (INPUT& input : inputs)
        input.type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    for (INPUT& input : inputs) {
        SendInput(1, &input, sizeof(input));
        Sleep(50);
    }
}

}  // namespace

DialogWatch::DialogWatch(std::wstring caption, int buttonId, DWORD timeoutMs)
    : caption_(std::move(caption)), buttonId_(buttonId),
      thread_([this, timeoutMs] { Watch(timeoutMs); })
{
}

DialogWatch::~DialogWatch()
{
    Join();
}

void DialogWatch::Join()
{
    if (thread_.joinable())
        thread_.join();
}

bool DialogWatch::Seen()
{
    Join();
    return seen_;
}

const DibCanvas* DialogWatch::Picture()
{
    Join();
    return picture_.get();
}

std::unique_ptr<DibCanvas> DialogWatch::TakePicture()
{
    Join();
    return std::move(picture_);
}

const std::wstring& DialogWatch::Text()
{
    Join();
    return text_;
}

DWORD DialogWatch::GoneAfterMs()
{
    Join();
    return goneAfterMs_;
}

void DialogWatch::Watch(DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    HWND dialog = nullptr;
    while (!dialog && GetTickCount() - start < timeoutMs) {
        HWND found = FindWindowW(kDialogClass, caption_.c_str());
        if (found && IsWindowVisible(found))
            dialog = found;
        else
            Sleep(kPollMs);
    }
    if (!dialog)
        return;
    seen_ = true;
    Sleep(kPaintMs);
    picture_ = CopyClientFromScreen(dialog);
    EnumChildWindows(dialog, TakeFirstStatic, reinterpret_cast<LPARAM>(&text_));
    RECT button{};
    HWND control = buttonId_ ? GetDlgItem(dialog, buttonId_) : nullptr;
    const DWORD clicked = GetTickCount();
    if (control && GetWindowRect(control, &button))
        ClickScreenPoint({(button.left + button.right) / 2, (button.top + button.bottom) / 2});
    else
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    while (IsWindow(dialog) && IsWindowVisible(dialog) && GetTickCount() - clicked < timeoutMs)
        Sleep(kPollMs);
    goneAfterMs_ = GetTickCount() - clicked;
}

std::unique_ptr<DibCanvas> PictureOfModalDialog(const std::wstring& caption, int buttonId,
                                                const std::function<void()>& open, DWORD timeoutMs)
{
    DialogWatch watch(caption, buttonId, timeoutMs);
    open();
    return watch.TakePicture();
}
