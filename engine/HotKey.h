#pragma once
// The on/off hot key: the "HotKey" setting in hot-key-control form (low byte
// the virtual key, high byte HOTKEYF_ bits) turned into RegisterHotKey terms.

#include <windows.h>

#include <cstdint>

struct HotKeyCombo {
    UINT Modifiers = 0;
    UINT Key = 0;  // 0: nothing to register
};

// Only the low 16 bits count. A virtual key of 0 gives nothing to register,
// never a bare modifier.
HotKeyCombo DecodeHotKey(uint32_t value);
