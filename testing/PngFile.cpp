#include "PngFile.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct FileCloser {
    void operator()(FILE* file) const { fclose(file); }
};

std::vector<png_byte> RgbRows(const DibCanvas& canvas)
{
    std::vector<png_byte> rgb;
    rgb.reserve(static_cast<size_t>(canvas.Width()) * canvas.Height() * 3);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const uint32_t pixel = canvas.Pixel(x, y);
            rgb.push_back(static_cast<png_byte>(pixel >> 16));
            rgb.push_back(static_cast<png_byte>(pixel >> 8));
            rgb.push_back(static_cast<png_byte>(pixel));
        }
    }
    return rgb;
}

// libpng reports errors by a long jump: nothing here needs unwinding.
bool WriteRows(FILE* file, int width, int height, std::vector<png_bytep>& rows)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool WritePngFile(const std::wstring& path, const DibCanvas& canvas)
{
    std::unique_ptr<FILE, FileCloser> file(_wfopen(path.c_str(), L"wb"));
    if (!file)
        return false;
    std::vector<png_byte> rgb = RgbRows(canvas);
    std::vector<png_bytep> rows;
    for (int y = 0; y < canvas.Height(); ++y)
        rows.push_back(rgb.data() + static_cast<size_t>(y) * canvas.Width() * 3);
    return WriteRows(file.get(), canvas.Width(), canvas.Height(), rows);
}
