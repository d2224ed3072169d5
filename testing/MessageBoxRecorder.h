#pragma once
// Records the message boxes shown while it lives and answers them at once.

#include <windows.h>

#include <string>
#include <vector>

struct RecordedMessageBox {
    HWND Owner;
    std::wstring Text;
    std::wstring Caption;
    UINT Type;
};

class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(int answer = IDOK);
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void SetAnswer(int answer) { answer_ = answer; }
    const std::vector<RecordedMessageBox>& Boxes() const { return boxes_; }

private:
    int answer_;
    std::vector<RecordedMessageBox> boxes_;
};
