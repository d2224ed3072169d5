#pragma once
// The theme's sounds, played from memory. The bytes come from theme files
// unchecked, and the player trusts the sizes inside them, so only a whole
// RIFF "WAVE" is handed on.

#include <cstddef>
#include <cstdint>

// A RIFF "WAVE" whose chunks, a "fmt " of at least 16 bytes and a "data"
// among them, all lie within size bytes.
bool IsPlayableWave(const uint8_t* data, size_t size);
