#pragma once
// Sound bytes for the engine's tests: a whole RIFF "WAVE" and ways to spoil it.

#include <cstdint>
#include <string>

// A 16-bit mono PCM "WAVE" of the given sample bytes.
std::string MakeWave(uint32_t sampleBytes = 8);
// Overwrites 4 bytes at offset with a little-endian value.
void PutU32(std::string* bytes, size_t offset, uint32_t value);
