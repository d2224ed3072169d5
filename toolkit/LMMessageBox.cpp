#include "LMMessageBox.h"

#include <utility>

namespace {
LMMessageBoxHandler g_handler;
}

int LMMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    if (g_handler)
        return g_handler(owner, text, caption, type);
    return MessageBoxW(owner, text, caption, type);
}

LMMessageBoxHandler LMSetMessageBoxHandler(LMMessageBoxHandler handler)
{
    return std::exchange(g_handler, std::move(handler));
}
