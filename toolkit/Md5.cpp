#include "Md5.h"

#include <algorithm>
#include <cstring>

namespace
{

// floor(2^32 * |sin(i + 1)|), i = 0..63.
constexpr uint32_t kSine[64] = {
    0xd76aa478,
    0xe8c7b756,
    0x242070db,
    0xc1bdceee,
    0xf57c0faf,
    0x4787c62a,
    0xa8304613,
    0xfd469501,
    0x698098d8,
    0x8b44f7af,
    0xffff5bb1,
    0x895cd7be,
    0x6b901122,
    0xfd987193,
    0xa679438e,
    0x49b40821,
    0xf61e2562,
    0xc040b340,
    0x265e5a51,
    0xe9b6c7aa,
    0xd62f105d,
    0x02441453,
    0xd8a1e681,
    0xe7d3fbc8,
    0x21e1cde6,
    0xc33707d6,
    0xf4d50d87,
    0x455a14ed,
    0xa9e3e905,
    0xfcefa3f8,
    0x676f02d9,
    0x8d2a4c8a,
    0xfffa3942,
    0x8771f681,
    0x6d9d6122,
    0xfde5380c,
    0xa4beea44,
    0x4bdecfa9,
    0xf6bb4b60,
    0xbebfbc70,
    0x289b7ec6,
    0xeaa127fa,
    0xd4ef3085,
    0x04881d05,
    0xd9d4d039,
    0xe6db99e5,
    0x1fa27cf8,
    0xc4ac5665,
    0xf4292244,
    0x432aff97,
    0xab9423a7,
    0xfc93a039,
    0x655b59c3,
    0x8f0ccc92,
    0xffeff47d,
    0x85845dd1,
    0x6fa87e4f,
    0xfe2ce6e0,
    0xa3014314,
    0x4e0811a1,
    0xf7537e82,
    0xbd3af235,
    0x2ad7d2bb,
    0xeb86d391,
};

// Rotation amounts per round, four steps repeating.
constexpr int kShift[4][4]
    = { { 7, 12, 17, 22 }, { 5, 9, 14, 20 }, { 4, 11, 16, 23 }, { 6, 10, 15, 21 } };

uint32_t LoadLittleEndian32(const uint8_t* bytes)
{
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

void StoreLittleEndian32(uint32_t value, uint8_t* bytes)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t RotateLeft(uint32_t value, int bits)
{
    return (value << bits) | (value >> (32 - bits));
}

} // namespace

void MD5Transform(uint32_t state[4], const uint8_t block[64])
{
    uint32_t x[16];
    for (int i = 0; i < 16; ++i)
        x[i] = LoadLittleEndian32(block + 4 * i);
    uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (int i = 0; i < 64; ++i) {
        int round = i / 16;
        uint32_t f;
        int k;
        switch (round) {
        case 0:
            f = (b & c) | (~b & d);
            k = i;
            break;
        case 1:
            f = (b & d) | (c & ~d);
            k = (1 + 5 * i) % 16;
            break;
        case 2:
            f = b ^ c ^ d;
            k = (5 + 3 * i) % 16;
            break;
        default:
            f = c ^ (b | ~d);
            k = (7 * i) % 16;
            break;
        }
        uint32_t sum = a + f + x[k] + kSine[i];
        a = d;
        d = c;
        c = b;
        b = b + RotateLeft(sum, kShift[round][i % 4]);
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

void MD5Init(Md5Context* context)
{
    context->state[0] = 0x67452301;
    context->state[1] = 0xefcdab89;
    context->state[2] = 0x98badcfe;
    context->state[3] = 0x10325476;
    context->count = 0;
    std::memset(context->buffer, 0, sizeof(context->buffer));
}

void MD5Update(Md5Context* context, const void* input, size_t length)
{
    const auto* bytes = static_cast<const uint8_t*>(input);
    size_t used = static_cast<size_t>(context->count % 64);
    context->count += length;
    if (used != 0) {
        size_t take = std::min(64 - used, length);
        std::memcpy(context->buffer + used, bytes, take);
        bytes += take;
        length -= take;
        if (used + take < 64)
            return;
        MD5Transform(context->state, context->buffer);
    }
    for (; length >= 64; bytes += 64, length -= 64)
        MD5Transform(context->state, bytes);
    if (length != 0)
        std::memcpy(context->buffer, bytes, length);
}

void MD5Final(uint8_t digest[16], Md5Context* context)
{
    uint8_t lengthBytes[8];
    uint64_t bits = context->count * 8;
    for (int i = 0; i < 8; ++i)
        lengthBytes[i] = static_cast<uint8_t>(bits >> (8 * i));
    // A one bit, zeros up to 56 bytes into a block, then the length in bits.
    static const uint8_t padding[64] = { 0x80 };
    size_t used = static_cast<size_t>(context->count % 64);
    MD5Update(context, padding, used < 56 ? 56 - used : 120 - used);
    MD5Update(context, lengthBytes, sizeof(lengthBytes));
    for (int i = 0; i < 4; ++i)
        StoreLittleEndian32(context->state[i], digest + 4 * i);
    std::memset(context, 0, sizeof(*context));
}

uint32_t Md5Key32(const void* bytes, size_t length)
{
    Md5Context context;
    MD5Init(&context);
    MD5Update(&context, bytes, length);
    uint8_t digest[16];
    MD5Final(digest, &context);
    return LoadLittleEndian32(digest);
}
