// The cross-built dependencies link and are the versions their headers name.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include <png.h>
#include <zlib.h>
// jpeglib.h needs size_t and FILE first.
#include <jpeglib.h>

TEST(DependencyVersions, ZlibLinksAndMatchesItsHeader)
{
    std::printf("zlib %s\n", zlibVersion());
    EXPECT_STREQ(ZLIB_VERSION, zlibVersion());
    const char text[] = "Trivane Trivane Trivane";
    Bytef packed[128];
    uLongf packedSize = sizeof(packed);
    ASSERT_EQ(Z_OK, compress2(packed, &packedSize, reinterpret_cast<const Bytef*>(text),
                              sizeof(text), 9));
    char unpacked[sizeof(text)];
    uLongf unpackedSize = sizeof(unpacked);
    ASSERT_EQ(Z_OK, uncompress(reinterpret_cast<Bytef*>(unpacked), &unpackedSize, packed,
                               packedSize));
    EXPECT_STREQ(text, unpacked);
}

TEST(DependencyVersions, LibpngLinksAndIsVersion16)
{
    std::printf("libpng %s\n", png_get_libpng_ver(nullptr));
    EXPECT_EQ(static_cast<png_uint_32>(PNG_LIBPNG_VER), png_access_version_number());
    EXPECT_EQ(10600u, png_access_version_number() / 100 * 100);
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, png);
    png_destroy_read_struct(&png, nullptr, nullptr);
}

TEST(DependencyVersions, LibjpegLinksWithTheJpeg62Interface)
{
    std::printf("libjpeg API %d\n", JPEG_LIB_VERSION);
    EXPECT_EQ(62, JPEG_LIB_VERSION);
    jpeg_decompress_struct decompress{};
    jpeg_error_mgr errors{};
    decompress.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&decompress);
    EXPECT_NE(nullptr, decompress.mem);
    jpeg_destroy_decompress(&decompress);
}
