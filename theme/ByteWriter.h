#pragma once
// Little-endian output into one growing buffer.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

class ByteWriter
{
public:
    std::vector<uint8_t>& Bytes() { return bytes_; }
    size_t Size() const { return bytes_.size(); }
    void Reserve(size_t size) { bytes_.reserve(size); }

    void U32(uint32_t value)
    {
        uint8_t le[4] = { static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
            static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24) };
        Append(le, 4);
    }

    void Append(const void* data, size_t size)
    {
        if (size == 0)
            return;
        const auto* p = static_cast<const uint8_t*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }

    // A UTF-16LE text with its NUL.
    void Text(const wchar_t* text, size_t characters)
    {
        for (size_t i = 0; i < characters; ++i) {
            auto c = static_cast<uint16_t>(text[i]);
            uint8_t le[2] = { static_cast<uint8_t>(c), static_cast<uint8_t>(c >> 8) };
            Append(le, 2);
        }
        uint8_t nul[2] = { 0, 0 };
        Append(nul, 2);
    }

    // Writes a struct made only of uint32_t fields, word by word.
    template <typename Words> void WordsOf(const Words& words)
    {
        static_assert(sizeof(Words) % 4 == 0, "a struct of 32-bit words");
        const auto* in = reinterpret_cast<const unsigned char*>(&words);
        for (size_t i = 0; i < sizeof(Words); i += 4) {
            uint32_t word = 0;
            std::memcpy(&word, in + i, 4);
            U32(word);
        }
    }

private:
    std::vector<uint8_t> bytes_;
};
