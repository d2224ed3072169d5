#include "SampleSounds.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr uint32_t kRate = 22050;
constexpr double kPi = 3.14159265358979;
constexpr double kLoudness = 12000;

void Put(std::string* bytes, uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes->push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string MakeToneWave(double hertz, int milliseconds)
{
    const uint32_t samples = kRate * static_cast<uint32_t>(milliseconds) / 1000;
    const uint32_t dataBytes = samples * 2;
    std::string wave = "RIFF";
    Put(&wave, 36 + dataBytes, 4);
    wave += "WAVEfmt ";
    Put(&wave, 16, 4);
    Put(&wave, 1, 2);  // PCM
    Put(&wave, 1, 2);  // mono
    Put(&wave, kRate, 4);
    Put(&wave, kRate * 2, 4);
    Put(&wave, 2, 2);
    Put(&wave, 16, 2);
    wave += "data";
    Put(&wave, dataBytes, 4);
    for (uint32_t i = 0; i < samples; ++i) {
        const double fade = 1.0 - static_cast<double>(i) / samples;
        const double value = kLoudness * fade * std::sin(2 * kPi * hertz * i / kRate);
        Put(&wave, static_cast<uint32_t>(static_cast<int32_t>(std::lround(value))), 2);
    }
    return wave;
}
