#pragma once
// Command handling by per-class tables. Each class that handles commands
// overrides OnCmdMsg with a static table of (id, code, handler) rows and hands
// what it does not handle to its base class. Routing from object to object
// is the frames' business.

#include <windows.h>

#include <cstddef>

// Menus and accelerators send commands with code 0.
constexpr UINT kCodeCommand = 0;

template <typename T> struct CommandEntry {
    UINT FirstId;
    UINT LastId;
    UINT Code;
    void (T::*Handler)();
    void (T::*RangeHandler)(UINT id);
};

template <typename T> constexpr CommandEntry<T> HandleCommand(UINT id, void (T::*handler)())
{
    return {id, id, kCodeCommand, handler, nullptr};
}

template <typename T>
constexpr CommandEntry<T> HandleCommandRange(UINT first, UINT last, void (T::*handler)(UINT))
{
    return {first, last, kCodeCommand, nullptr, handler};
}

// A control's notification (EN_CHANGE and the like) carried by WM_COMMAND.
template <typename T>
constexpr CommandEntry<T> HandleNotify(UINT id, UINT code, void (T::*handler)())
{
    return {id, id, code, handler, nullptr};
}

class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // True when this object has a handler for the command; with execute the
    // handler also runs. The object may be gone when a handler closed it.
    virtual bool OnCmdMsg(UINT id, UINT code, bool execute);
};

// Looks the command up in one class's table.
template <typename T, size_t N>
bool DispatchCommand(T& target, const CommandEntry<T> (&table)[N], UINT id, UINT code, bool execute)
{
    for (const CommandEntry<T>& entry : table) {
        if (id < entry.FirstId || id > entry.LastId || code != entry.Code)
            continue;
        if (execute) {
            if (entry.Handler)
                (target.*entry.Handler)();
            else
                (target.*entry.RangeHandler)(id);
        }
        return true;
    }
    return false;
}
