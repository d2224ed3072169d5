// The check of sound bytes before they are played from memory; every program
// that plays theme sounds asks it, so it lives with the theme.

#include "PlayableWave.h"

#include "ByteReader.h"

#include <cstring>

namespace
{

constexpr uint64_t kRiffHeaderBytes = 12;
constexpr uint64_t kChunkHeaderBytes = 8;
constexpr uint32_t kMinFormatBytes = 16;

bool TagAt(const ByteReader& reader, uint64_t offset, const char* tag)
{
    const uint8_t* at = reader.BytesAt(offset, 4);
    return at && memcmp(at, tag, 4) == 0;
}

} // namespace

bool IsPlayableWave(const uint8_t* data, size_t size)
{
    ByteReader file(data, data ? size : 0);
    uint32_t riffBytes = 0;
    if (!TagAt(file, 0, "RIFF") || !file.U32At(4, &riffBytes) || !TagAt(file, 8, "WAVE"))
        return false;
    // The RIFF's own size must lie within the data; its chunks within it.
    if (!file.Contains(0, kChunkHeaderBytes + riffBytes))
        return false;
    ByteReader riff(data, static_cast<size_t>(kChunkHeaderBytes + riffBytes));
    bool format = false;
    bool samples = false;
    uint64_t at = kRiffHeaderBytes;
    uint32_t bytes = 0;
    while (riff.Contains(at, kChunkHeaderBytes) && riff.U32At(at + 4, &bytes)) {
        if (!riff.Contains(at + kChunkHeaderBytes, bytes))
            return false;
        format = format || (TagAt(riff, at, "fmt ") && bytes >= kMinFormatBytes);
        samples = samples || TagAt(riff, at, "data");
        // Chunks start on even offsets; the last one's pad byte may be missing.
        at += kChunkHeaderBytes + bytes + (bytes & 1);
    }
    return format && samples;
}
