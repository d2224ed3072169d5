#pragma once
// The one millisecond clock of the toolkit and the engine.

#include <windows.h>

#include <cstdint>

extern int64_t LMClockFrequency;

void LMClockInit();

// Milliseconds of the high-resolution counter; callers keep the low 32 bits and
// compare differences as unsigned.
DWORD LMClockNowMs();

// Low 32 bits of counter / frequency in ms, without overflowing 64 bits on a
// fast counter; the tick count when there is no frequency.
DWORD LMClockMsFrom(uint64_t counter, uint64_t frequency, DWORD tickCount);

// Tests drive time through this; null returns to the real counter.
using LMClockSource = DWORD (*)();
void LMSetClockSource(LMClockSource source);
