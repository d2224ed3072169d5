#include "HotKey.h"

#include <commctrl.h>

HotKeyCombo DecodeHotKey(uint32_t value)
{
    HotKeyCombo combo;
    UINT key = value & 0xFF;
    UINT flags = (value >> 8) & 0xFF;
    if (key == 0)
        return combo;
    if (flags & HOTKEYF_ALT)
        combo.Modifiers |= MOD_ALT;
    if (flags & HOTKEYF_CONTROL)
        combo.Modifiers |= MOD_CONTROL;
    if (flags & HOTKEYF_SHIFT)
        combo.Modifiers |= MOD_SHIFT;
    if (flags & HOTKEYF_EXT)
        combo.Modifiers |= MOD_WIN;
    combo.Key = key;
    return combo;
}
