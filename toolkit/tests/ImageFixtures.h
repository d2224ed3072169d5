#pragma once
// Image files for the loader tests: libpng's own test images, and TGA, BMP,
// JPEG and PNG bytes made here.

#include "BmpFixture.h"
#include "LMBitmap.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A file under libpng's contrib folder ("pngsuite/basn0g01.png"); empty when the
// folder is missing.
std::wstring LibpngContribFile(const std::string& relative);
bool HaveLibpngContrib();

#define SKIP_WITHOUT_LIBPNG_CONTRIB()                                                              \
    do {                                                                                           \
        if (!HaveLibpngContrib())                                                                  \
            GTEST_SKIP() << "libpng's contrib folder (pngsuite, testpngs) is missing";             \
    } while (0)

// The bytes of image pixel (x, y), y from the top, as "B G R A" in hex.
std::string PixelBytes(const LMBitmap& bitmap, int x, int y);
std::string PixelBytes(const uint8_t* bottomUpPixels, int width, int height, int x, int y);

// The DIB's rows as stored (bottom-up), without row padding.
Bytes DibMemory(const LMBitmap& bitmap);

Bytes ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const Bytes& bytes);

// An 18-byte TGA header followed by the given bytes.
struct TgaFields {
    uint8_t IdLength = 0;
    uint8_t ColorMapType = 0;
    uint8_t ImageType = 2;
    uint16_t Width = 0;
    uint16_t Height = 0;
    uint8_t PixelDepth = 32;
    uint8_t Descriptor = 8;
};
Bytes MakeTga(const TgaFields& fields, const Bytes& pixels);

// A JPEG from libjpeg's compressor, samples interleaved, rows from the top.
// Colour images use 4:4:4 sampling unless told otherwise, so flat blocks stay
// flat (4:2:0 smears colour across block edges).
enum class JpegKind { Gray, Rgb, Cmyk };
enum class JpegSampling { Full, LibraryDefault };
Bytes MakeJpeg(JpegKind kind, int width, int height, const Bytes& samples, int quality,
               JpegSampling sampling = JpegSampling::Full);

// Grey samples of flat 8x8 blocks, left to right, repeated down the image.
Bytes GrayBlocks(int width, int height, const std::vector<uint8_t>& blockValues);

// Offset of the first marker 0xFF <code> after the SOI; 0 when there is none.
size_t FindJpegMarker(const Bytes& jpeg, uint8_t code);

// A PNG chunk: length, type, data and a correct CRC.
Bytes PngChunk(const char type[4], const Bytes& data);
// A PNG signature with an IHDR of the given size (8-bit RGBA), an IDAT that
// holds only the start of a first line, and IEND.
Bytes PngWithHeader(uint32_t width, uint32_t height);

// Memory that ends flush against a page with no access; Data() is null when
// the guard could not be set up.
class GuardedBuffer {
public:
    explicit GuardedBuffer(const Bytes& bytes);
    ~GuardedBuffer();
    GuardedBuffer(const GuardedBuffer&) = delete;
    GuardedBuffer& operator=(const GuardedBuffer&) = delete;

    const uint8_t* Data() const { return data_; }
    size_t Size() const { return size_; }

private:
    uint8_t* base_ = nullptr;
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
};
