#pragma once
// The registry writes the programs share, all through World(): a text value,
// a settings key made sure of, and the user's autostart of the engine.

#include <windows.h>

// Stores a REG_SZ value of 2 x (characters + 1) bytes in an existing key;
// returns the status of the call that failed, or ERROR_SUCCESS.
LSTATUS WriteRegString(const wchar_t* text, HKEY root, const wchar_t* subkey, const wchar_t* name);

// Creates the key when it is missing (the access asked for is what the
// caller's system grants for a create); returns the status of the create.
LSTATUS EnsureRegistryKey(HKEY root, const wchar_t* subkey, REGSAM access = KEY_QUERY_VALUE);

// What becomes of the "Trivane" value of the user's Run key.
enum class AutostartChange { Keep, Write, Remove };

// Removes the older product's "Pavolt" value (it would start a second
// pointer engine), then keeps, writes (command) or removes "Trivane". The
// key is never created; a missing key or value counts as removed. Returns
// the first failure, or ERROR_SUCCESS.
LSTATUS UpdateAutostart(const wchar_t* runKey, AutostartChange change,
                        const wchar_t* command = nullptr);
