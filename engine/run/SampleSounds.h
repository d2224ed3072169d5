#pragma once
// Short sounds for the Sounds folder the run command fills.

#include <string>

// A tone that fades out: 16-bit mono PCM at 22,050 samples per second, as
// the bytes of a RIFF "WAVE" file.
std::string MakeToneWave(double hertz, int milliseconds);
