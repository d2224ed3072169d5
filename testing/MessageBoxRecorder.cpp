#include "MessageBoxRecorder.h"

#include "LMMessageBox.h"

MessageBoxRecorder::MessageBoxRecorder(int answer) : answer_(answer)
{
    LMSetMessageBoxHandler(
        [this](HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) {
            boxes_.push_back({owner, text ? text : L"", caption ? caption : L"", type});
            return answer_;
        });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    LMSetMessageBoxHandler(nullptr);
}
