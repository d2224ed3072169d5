#pragma once
// A modal dialog (a message box, a program's own dialog) runs its own
// message loop on the thread that opened it: a second thread waits for it
// to show, takes its picture and its text, and clicks one of its buttons
// with the real mouse, as a user would.

#include "DibCanvas.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <thread>

class DialogWatch {
public:
    // Watches for up to timeoutMs for a shown dialog with that caption (of
    // any process), then clicks its control buttonId; 0 clicks nothing and
    // closes the dialog with WM_CLOSE once its picture is taken.
    DialogWatch(std::wstring caption, int buttonId, DWORD timeoutMs);
    ~DialogWatch();
    DialogWatch(const DialogWatch&) = delete;
    DialogWatch& operator=(const DialogWatch&) = delete;

    // Waits for the watch to end; true when the dialog showed.
    bool Seen();
    // The dialog's client area as the screen showed it, and the text of its
    // first static control (a message box's question); empty when not seen.
    const DibCanvas* Picture();
    std::unique_ptr<DibCanvas> TakePicture();
    const std::wstring& Text();
    // How long after the click the dialog was gone, in ms.
    DWORD GoneAfterMs();

private:
    void Watch(DWORD timeoutMs);
    void Join();

    std::wstring caption_;
    int buttonId_;
    bool seen_ = false;
    std::unique_ptr<DibCanvas> picture_;
    std::wstring text_;
    DWORD goneAfterMs_ = 0;
    std::thread thread_;
};

// The picture of the modal dialog with that caption that open() shows,
// which is then closed with the button; null when none showed in time.
std::unique_ptr<DibCanvas> PictureOfModalDialog(const std::wstring& caption, int buttonId,
                                                const std::function<void()>& open,
                                                DWORD timeoutMs = 8000);
