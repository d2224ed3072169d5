#pragma once
// A theme's sound: the bytes of a whole sound file, played from memory.

#include <cstdint>
#include <memory>

class CThemeSound
{
public:
    CThemeSound() = default;
    CThemeSound(const CThemeSound&) = delete;
    CThemeSound& operator=(const CThemeSound&) = delete;

    // Frees Data; Size becomes 0.
    void Release();
    // Takes a copy of size bytes; false (and no data) when memory runs out.
    bool Assign(const uint8_t* data, uint32_t size);

    std::unique_ptr<uint8_t[]> Data;
    int32_t Size = 0;
};
