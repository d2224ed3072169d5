#include "SimulatedCursorWorld.h"

SimulatedCursorWorld::~SimulatedCursorWorld()
{
    for (const auto& entry : installed_)
        ::DestroyCursor(entry.second);
}

void SimulatedCursorWorld::Forget(DWORD id)
{
    auto found = installed_.find(id);
    if (found == installed_.end())
        return;
    ::DestroyCursor(found->second);
    installed_.erase(found);
}

BOOL SimulatedCursorWorld::SetSystemCursor(HCURSOR cursor, DWORD id)
{
    if (!cursor)
        return FALSE;
    if (installed_.count(id) && installed_[id] == cursor)
        return TRUE;
    Forget(id);
    installed_[id] = cursor;
    return TRUE;
}

HCURSOR SimulatedCursorWorld::LoadCursorW(HINSTANCE instance, const wchar_t* name)
{
    if (!instance && IS_INTRESOURCE(name)) {
        auto found = installed_.find(static_cast<DWORD>(reinterpret_cast<uintptr_t>(name)));
        if (found != installed_.end())
            return found->second;
    }
    return EngineWorld::LoadCursorW(instance, name);
}

BOOL SimulatedCursorWorld::GetCursorInfo(CURSORINFO* info)
{
    if (!info || info->cbSize != sizeof(CURSORINFO))
        return FALSE;
    info->flags = CURSOR_SHOWING;
    info->hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(shown_));
    return ::GetCursorPos(&info->ptScreenPos);
}

BOOL SimulatedCursorWorld::SystemParametersInfoW(UINT action, UINT uiParam, void* pvParam,
                                                 UINT winIni)
{
    if (action != SPI_SETCURSORS)
        return EngineWorld::SystemParametersInfoW(action, uiParam, pvParam, winIni);
    while (!installed_.empty())
        Forget(installed_.begin()->first);
    return TRUE;
}
