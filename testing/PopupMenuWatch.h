#pragma once
// A popup menu runs its own message loop on the thread that opened it, so a
// test on that thread cannot look at it: a second thread watches for the
// menu to show, reads its items and closes it again.

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

class PopupMenuWatch {
public:
    // Starts watching for up to timeoutMs.
    explicit PopupMenuWatch(DWORD timeoutMs);
    ~PopupMenuWatch();
    PopupMenuWatch(const PopupMenuWatch&) = delete;
    PopupMenuWatch& operator=(const PopupMenuWatch&) = delete;

    // The texts of the menu that showed and was closed; empty when none
    // showed in time. Waits for the watch to end.
    std::vector<std::wstring> Items();

private:
    void Watch(DWORD timeoutMs);

    std::thread thread_;
    std::vector<std::wstring> items_;
};
