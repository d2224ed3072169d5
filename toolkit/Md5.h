#pragma once
// MD5 message digest as RFC 1321 describes it. Input words are read
// little-endian byte by byte, so every build gives the same digests.

#include <cstddef>
#include <cstdint>

struct Md5Context {
    uint32_t state[4]; // A, B, C, D
    uint64_t count; // bytes hashed so far
    uint8_t buffer[64]; // the unfinished block
};

void MD5Init(Md5Context* context);
void MD5Update(Md5Context* context, const void* input, size_t length);
void MD5Final(uint8_t digest[16], Md5Context* context);
// One 64-byte block folded into the state.
void MD5Transform(uint32_t state[4], const uint8_t block[64]);

// The first four digest bytes as a little-endian number.
uint32_t Md5Key32(const void* bytes, size_t length);
