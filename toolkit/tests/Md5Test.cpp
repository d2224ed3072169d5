#include "Md5.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace
{

std::string Hex(const uint8_t digest[16])
{
    std::string text;
    char pair[3];
    for (int i = 0; i < 16; ++i) {
        std::snprintf(pair, sizeof(pair), "%02x", digest[i]);
        text += pair;
    }
    return text;
}

std::string DigestOf(const std::string& message)
{
    Md5Context context;
    MD5Init(&context);
    MD5Update(&context, message.data(), message.size());
    uint8_t digest[16];
    MD5Final(digest, &context);
    return Hex(digest);
}

const char kAlphanumeric[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

std::string EightyDigits()
{
    std::string text;
    for (int i = 0; i < 8; ++i)
        text += "1234567890";
    return text;
}

} // namespace

TEST(Md5, DigestsOfTheReferenceSuite)
{
    struct Case {
        std::string message;
        const char* digest;
    } cases[] = {
        { "", "d41d8cd98f00b204e9800998ecf8427e" },
        { "a", "0cc175b9c0f1b6a831c399e269772661" },
        { "abc", "900150983cd24fb0d6963f7d28e17f72" },
        { "message digest", "f96b697d7cb7938d525a2f31aaf161d0" },
        { "abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b" },
        { kAlphanumeric, "d174ab98d277d9f5a5611c2c9f419d9f" },
        { EightyDigits(), "57edf4a22be3c955ac49da2e2107b67a" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.message + "\"");
        EXPECT_EQ(c.digest, DigestOf(c.message));
    }
}

TEST(Md5, LengthsAroundTheBlockAndPaddingEdges)
{
    struct Case {
        size_t length;
        const char* digest;
    } cases[] = {
        { 55, "ef1772b6dff9a122358552954ad0df65" },
        { 56, "3b0c8ac703f828b04c6c197006d17218" },
        { 63, "b06521f39153d618550606be297466d5" },
        { 64, "014842d480b571495a4a0363793f7367" },
        { 65, "c743a45e0d2e6a95cb859adae0248435" },
        { 1000, "cabe45dcc9ae5b66ba86600cca6b8ba8" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        EXPECT_EQ(c.digest, DigestOf(std::string(c.length, 'a')));
    }
}

TEST(Md5, PiecesGiveTheSameDigestAsTheWhole)
{
    const std::string message(1000, 'a');
    for (size_t piece : { 1u, 7u, 63u, 64u, 65u, 333u }) {
        SCOPED_TRACE(piece);
        Md5Context context;
        MD5Init(&context);
        for (size_t at = 0; at < message.size(); at += piece)
            MD5Update(&context, message.data() + at, std::min(piece, message.size() - at));
        MD5Update(&context, nullptr, 0);
        uint8_t digest[16];
        MD5Final(digest, &context);
        EXPECT_EQ("cabe45dcc9ae5b66ba86600cca6b8ba8", Hex(digest));
    }
}

TEST(Md5, OneTransformOfAPaddedBlockIsTheDigest)
{
    // "abc", the one bit, zeros, and the length 24 bits.
    uint8_t block[64] = { 'a', 'b', 'c', 0x80 };
    block[56] = 24;
    uint32_t state[4] = { 0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476 };
    MD5Transform(state, block);
    EXPECT_EQ(0x98500190u, state[0]);
    EXPECT_EQ(0xb04fd23cu, state[1]);
    EXPECT_EQ(0x7d3f96d6u, state[2]);
    EXPECT_EQ(0x727fe128u, state[3]);
}

TEST(Md5Key32, FirstFourDigestBytesLittleEndian)
{
    struct Case {
        std::string message;
        uint32_t key;
    } cases[] = {
        { "a", 0xB975C10Cu },
        { "abcdefghijklmnopqrstuvwxyz", 0xD7D3FCC3u },
        { kAlphanumeric, 0x98AB74D1u },
        { EightyDigits(), 0xA2F4ED57u },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.message + "\"");
        EXPECT_EQ(c.key, Md5Key32(c.message.data(), c.message.size()));
    }
}
