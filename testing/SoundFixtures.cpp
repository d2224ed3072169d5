#include "SoundFixtures.h"

namespace {

void AppendU32(std::string* bytes, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes->push_back(static_cast<char>((value >> shift) & 0xFF));
}

void AppendU16(std::string* bytes, uint16_t value)
{
    bytes->push_back(static_cast<char>(value & 0xFF));
    bytes->push_back(static_cast<char>(value >> 8));
}

}  // namespace

std::string MakeWave(uint32_t sampleBytes)
{
    std::string wave = "RIFF";
    AppendU32(&wave, 0);
    wave += "WAVEfmt ";
    AppendU32(&wave, 16);
    AppendU16(&wave, 1);      // PCM
    AppendU16(&wave, 1);      // mono
    AppendU32(&wave, 8000);   // samples per second
    AppendU32(&wave, 16000);  // bytes per second
    AppendU16(&wave, 2);      // block align
    AppendU16(&wave, 16);     // bits per sample
    wave += "data";
    AppendU32(&wave, sampleBytes);
    wave.append(sampleBytes, '\0');
    if (sampleBytes & 1)
        wave.push_back('\0');
    PutU32(&wave, 4, static_cast<uint32_t>(wave.size() - 8));
    return wave;
}

void PutU32(std::string* bytes, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        (*bytes)[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}
