// How much the LMBitmap file constructor costs over a bare decode: makes a
// 2048 x 2048 RGBA PNG and a colour JPEG (quality 90, the library's default
// 4:2:0 sampling) with smooth, noisy
// content, then prints ms per megapixel (median of 5) for the constructor and
// for libpng (same transforms) or libjpeg (RGB output) decoding the same file
// read into memory, and the ratio.

#include "ImageFixtures.h"
#include "LMBitmap.h"
#include "TempFolder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <functional>
#include <vector>

#include <png.h>
// jpeglib.h needs size_t and FILE first.
#include <jpeglib.h>

namespace {

constexpr int kSide = 2048;
constexpr int kRuns = 5;

Bytes SmoothNoisySamples(int channels)
{
    Bytes samples(static_cast<size_t>(kSide) * kSide * channels);
    uint32_t state = 1;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            for (int c = 0; c < channels; ++c) {
                state = state * 1103515245u + 12345u;
                int smooth = (x * (c + 1) + y * (3 - c)) / 16;
                int noise = static_cast<int>((state >> 16) % 9) - 4;
                samples[(static_cast<size_t>(y) * kSide + x) * channels + c] =
                    static_cast<uint8_t>(std::clamp(smooth % 256 + noise, 0, 255));
            }
        }
    }
    return samples;
}

void __cdecl AppendPngBytes(png_structp png, png_bytep data, size_t size)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}

void __cdecl NoFlush(png_structp)
{
}

int WritePngRows(png_structp png, png_infop info, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png)))
        return 0;
    png_set_IHDR(png, info, kSide, kSide, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, info);
    return 1;
}

Bytes MakeRgbaPng(const Bytes& samples)
{
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendPngBytes, NoFlush);
    std::vector<png_bytep> rows(kSide);
    for (int y = 0; y < kSide; ++y)
        rows[y] = const_cast<png_bytep>(samples.data()) + static_cast<size_t>(y) * kSide * 4;
    if (!WritePngRows(png, info, rows.data()))
        out.clear();
    png_destroy_write_struct(&png, &info);
    return out;
}

struct BareSource {
    const Bytes* File;
    size_t Offset;
};

void __cdecl ReadBare(png_structp png, png_bytep out, size_t count)
{
    auto* source = static_cast<BareSource*>(png_get_io_ptr(png));
    if (count > source->File->size() - source->Offset)
        png_error(png, "short");
    std::copy_n(source->File->data() + source->Offset, count, out);
    source->Offset += count;
}

int DecodePngRows(png_structp png, png_infop info, Bytes* pixels)
{
    if (setjmp(png_jmpbuf(png)))
        return 0;
    png_read_info(png, info);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    pixels->resize(static_cast<size_t>(kSide) * kSide * 4);
    std::vector<png_bytep> rows(kSide);
    for (int y = 0; y < kSide; ++y)
        rows[y] = pixels->data() + static_cast<size_t>(kSide - 1 - y) * kSide * 4;
    png_read_image(png, rows.data());
    png_read_end(png, info);
    return 1;
}

void BarePngDecode(const std::wstring& path)
{
    Bytes file = ReadFileBytes(path);
    BareSource source{&file, 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_read_fn(png, &source, ReadBare);
    Bytes pixels;
    DecodePngRows(png, info, &pixels);
    png_destroy_read_struct(&png, &info, nullptr);
}

void BareJpegDecode(const std::wstring& path)
{
    Bytes file = ReadFileBytes(path);
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    Bytes pixels(static_cast<size_t>(info.output_width) * info.output_height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row =
            pixels.data() + static_cast<size_t>(info.output_scanline) * info.output_width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
}

double MsPerMegapixel(const std::function<void()>& decode)
{
    LARGE_INTEGER frequency{}, start{}, end{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    decode();
    QueryPerformanceCounter(&end);
    double ms = 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart;
    return ms / (kSide * kSide / 1e6);
}

double Median(std::vector<double> runs)
{
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

bool Report(const char* format, const std::wstring& path, void (*bare)(const std::wstring&))
{
    LMBitmap check(path.c_str(), 0);
    if (check.Width != kSide || check.Height != kSide) {
        std::printf("%s: the constructor did not load the test image\n", format);
        return false;
    }
    // Alternating runs, so that a change in the machine's load hits both alike.
    std::vector<double> ours, library;
    for (int i = 0; i < kRuns; ++i) {
        ours.push_back(MsPerMegapixel([&] { LMBitmap bitmap(path.c_str(), 0); }));
        library.push_back(MsPerMegapixel([&] { bare(path); }));
    }
    double oursMedian = Median(ours);
    double libraryMedian = Median(library);
    std::printf("%-4s LMBitmap %.2f ms/MP, bare %.2f ms/MP, ratio %.3f\n", format, oursMedian,
                libraryMedian, oursMedian / libraryMedian);
    return true;
}

}  // namespace

int main()
{
    TempFolder folder;
    std::wstring png = folder.File(L"bench.png");
    std::wstring jpg = folder.File(L"bench.jpg");
    if (!WriteFileBytes(png, MakeRgbaPng(SmoothNoisySamples(4))) ||
        !WriteFileBytes(jpg,
                        MakeJpeg(JpegKind::Rgb, kSide, kSide, SmoothNoisySamples(3), 90,
                                 JpegSampling::LibraryDefault))) {
        std::printf("could not write the test images\n");
        return 1;
    }
    bool ok = Report("PNG", png, BarePngDecode);
    ok = Report("JPEG", jpg, BareJpegDecode) && ok;
    return ok ? 0 : 1;
}
