#include "LMMessageBox.h"

#include <utility>

namespace {

LMMessageBoxHandler g_handler;
HWND g_defaultOwner = nullptr;
thread_local LMQuietErrors* t_quiet = nullptr;

}  // namespace

int LMMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    if (!owner && g_defaultOwner && IsWindow(g_defaultOwner))
        owner = g_defaultOwner;
    if (g_handler)
        return g_handler(owner, text, caption, type);
    return MessageBoxW(owner, text, caption, type);
}

LMMessageBoxHandler LMSetMessageBoxHandler(LMMessageBoxHandler handler)
{
    return std::exchange(g_handler, std::move(handler));
}

void LMSetDefaultBoxOwner(HWND owner)
{
    g_defaultOwner = owner;
}

int LMErrorBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    if (t_quiet) {
        ++t_quiet->count_;
        return 0;
    }
    return LMMessageBox(owner, text, caption, type);
}

int LMNoticeBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    return t_quiet ? 0 : LMMessageBox(owner, text, caption, type);
}

LMQuietErrors::LMQuietErrors() : outer_(t_quiet)
{
    t_quiet = this;
}

LMQuietErrors::~LMQuietErrors()
{
    t_quiet = outer_;
}
