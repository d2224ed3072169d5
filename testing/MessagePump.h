#pragma once
// Pumps this thread's messages until a condition holds or a deadline passes.

#include <windows.h>

#include <functional>

bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs);

// Pumps for the whole time given.
void PumpMessagesFor(DWORD milliseconds);
