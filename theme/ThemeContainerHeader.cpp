// The container header in and out of its 184 bytes, and the text order.

#include "ByteReader.h"
#include "ThemeContainer.h"

#include <cstring>
#include <new>

HeapText CTheme::*const kThemeTextFileOrder[kThemeTextCount] = {
    &CTheme::Name,
    &CTheme::Author,
    &CTheme::Version,
    &CTheme::Website,
    &CTheme::Email,
    &CTheme::Description,
};

bool ByteBuffer::Allocate(uint64_t size)
{
    Data.reset();
    Size = 0;
    if (size > SIZE_MAX - 1)
        return false;
    // One spare byte keeps the pointer valid for an empty body.
    Data.reset(new (std::nothrow) uint8_t[static_cast<size_t>(size) + 1]);
    if (!Data)
        return false;
    Size = static_cast<size_t>(size);
    return true;
}

bool ReadThemeFileHeader(const uint8_t* bytes, size_t size, ThemeFileHeader* header)
{
    ByteReader reader(bytes, size);
    if (!reader.Contains(0, sizeof(ThemeFileHeader)))
        return false;
    *header = ThemeFileHeader {};
    uint32_t* leading[] = { &header->Kind, &header->HeadSize, &header->BodySize, &header->Version };
    for (size_t i = 0; i < 4; ++i)
        reader.U32At(i * 4, leading[i]);
    std::memcpy(header->Notice, bytes + offsetof(ThemeFileHeader, Notice), kThemeNoticeBytes);
    // From ContentFlags on, the header is 32-bit words only.
    auto* raw = reinterpret_cast<unsigned char*>(header);
    for (size_t at = offsetof(ThemeFileHeader, ContentFlags); at < sizeof(ThemeFileHeader);
         at += 4) {
        uint32_t word = 0;
        reader.U32At(at, &word);
        std::memcpy(raw + at, &word, 4);
    }
    return true;
}

void WriteThemeFileHeader(const ThemeFileHeader& header, uint8_t (&bytes)[sizeof(ThemeFileHeader)])
{
    auto put = [&bytes](size_t offset, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    };
    const uint32_t leading[] = { header.Kind, header.HeadSize, header.BodySize, header.Version };
    for (size_t i = 0; i < 4; ++i)
        put(i * 4, leading[i]);
    std::memcpy(bytes + offsetof(ThemeFileHeader, Notice), header.Notice, kThemeNoticeBytes);
    const auto* raw = reinterpret_cast<const unsigned char*>(&header);
    for (size_t at = offsetof(ThemeFileHeader, ContentFlags); at < sizeof(ThemeFileHeader);
         at += 4) {
        uint32_t word = 0;
        std::memcpy(&word, raw + at, 4);
        put(at, word);
    }
}
