#pragma once
// Bounds-checked little-endian reads over untrusted bytes. Every offset and
// length is checked in 64 bits, so no value from a file can wrap or reach
// outside the buffer.

#include <cstddef>
#include <cstdint>
#include <cstring>

class ByteReader {
public:
    ByteReader() = default;
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    const uint8_t* Data() const { return data_; }
    size_t Size() const { return size_; }

    bool Contains(uint64_t offset, uint64_t length) const
    {
        return offset <= size_ && length <= size_ - offset;
    }

    // The bytes [offset, offset + length), or null when they do not all lie inside.
    const uint8_t* BytesAt(uint64_t offset, uint64_t length) const
    {
        return Contains(offset, length) ? data_ + offset : nullptr;
    }

    bool U32At(uint64_t offset, uint32_t* value) const
    {
        const uint8_t* p = BytesAt(offset, 4);
        if (!p)
            return false;
        *value = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                 (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
        return true;
    }

    bool U16At(uint64_t offset, uint16_t* value) const
    {
        const uint8_t* p = BytesAt(offset, 2);
        if (!p)
            return false;
        *value = static_cast<uint16_t>(p[0] | (p[1] << 8));
        return true;
    }

    // A reader over [offset, offset + length); false when that is not inside.
    bool Sub(uint64_t offset, uint64_t length, ByteReader* sub) const
    {
        if (!Contains(offset, length))
            return false;
        *sub = ByteReader(data_ + offset, static_cast<size_t>(length));
        return true;
    }

    // Fills a struct made only of uint32_t fields, word by word.
    template <typename Words> bool WordsAt(uint64_t offset, Words* words) const
    {
        static_assert(sizeof(Words) % 4 == 0, "a struct of 32-bit words");
        if (!Contains(offset, sizeof(Words)))
            return false;
        auto* out = reinterpret_cast<unsigned char*>(words);
        for (size_t i = 0; i < sizeof(Words); i += 4) {
            uint32_t word = 0;
            U32At(offset + i, &word);
            std::memcpy(out + i, &word, 4);
        }
        return true;
    }

private:
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
};
