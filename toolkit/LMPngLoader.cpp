#include "LMPngLoader.h"

#include "LMBitmap.h"
#include "LMImageSize.h"
#include "LMMessageBox.h"

#include <png.h>
#include <shlwapi.h>

#include <csetjmp>
#include <cstring>
#include <vector>

// Errors leave libpng by longjmp to a recovery point. Functions that set one hold
// nothing with a destructor and do their work in a callee, so no local is live
// across the jump; C++ objects live only in the frames around them.

namespace {

struct PngDecode {
    png_structp Png = nullptr;
    png_infop Info = nullptr;
    PngMemorySource Source{};
    png_uint_32 Width = 0;
    png_uint_32 Height = 0;
    int HasAlpha = 0;
};

// Owns the libpng structures for one decode.
class PngReadStructs {
public:
    explicit PngReadStructs(PngDecode& decode) : decode_(decode) {}
    ~PngReadStructs()
    {
        if (decode_.Png)
            png_destroy_read_struct(&decode_.Png, decode_.Info ? &decode_.Info : nullptr, nullptr);
    }
    PngReadStructs(const PngReadStructs&) = delete;
    PngReadStructs& operator=(const PngReadStructs&) = delete;

private:
    PngDecode& decode_;
};

void __cdecl PngErrorExit(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void __cdecl PngWarningIgnored(png_structp, png_const_charp)
{
}

// Asks libpng for 8-bit B G R A lines; returns whether the image has alpha.
int RequestBgraTransforms(png_structp png, png_infop info, int colorType, int bitDepth)
{
    bool transparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    int hasAlpha = 0;
    switch (colorType) {
    case PNG_COLOR_TYPE_GRAY:
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        png_set_gray_to_rgb(png);
        png_set_expand(png);  // also turns tRNS into alpha
        hasAlpha = colorType == PNG_COLOR_TYPE_GRAY_ALPHA || transparency;
        break;
    case PNG_COLOR_TYPE_PALETTE:
    case PNG_COLOR_TYPE_RGB:
        if (colorType == PNG_COLOR_TYPE_PALETTE)
            png_set_palette_to_rgb(png);
        if (transparency)
            png_set_tRNS_to_alpha(png);
        hasAlpha = transparency;
        break;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        hasAlpha = 1;
        break;
    default:
        break;
    }
    png_set_bgr(png);
    if (!hasAlpha)
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    if (bitDepth == 16)
        png_set_strip_16(png);
    if (bitDepth < 8)
        png_set_packing(png);
    return hasAlpha;
}

int ReadPngHeaderSteps(PngDecode* decode)
{
    // Only IHDR, PLTE, tRNS, IDAT and IEND matter here. Skipping the rest also keeps
    // a hostile text chunk from making libpng allocate its whole declared length.
    png_set_keep_unknown_chunks(decode->Png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_read_info(decode->Png, decode->Info);
    int bitDepth = 0;
    int colorType = 0;
    png_get_IHDR(decode->Png, decode->Info, &decode->Width, &decode->Height, &bitDepth, &colorType,
                 nullptr, nullptr, nullptr);
    if (!LMImageSizeAllowed(decode->Width, decode->Height))
        return 0;
    decode->HasAlpha = RequestBgraTransforms(decode->Png, decode->Info, colorType, bitDepth);
    png_set_interlace_handling(decode->Png);
    png_read_update_info(decode->Png, decode->Info);
    return png_get_rowbytes(decode->Png, decode->Info) == static_cast<size_t>(decode->Width) * 4;
}

int ReadPngHeader(PngDecode* decode)
{
    if (setjmp(png_jmpbuf(decode->Png)))
        return 0;
    return ReadPngHeaderSteps(decode);
}

int ReadPngRows(PngDecode* decode, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(decode->Png)))
        return 0;
    png_read_image(decode->Png, rows);
    png_read_end(decode->Png, decode->Info);
    return 1;
}

HBITMAP DecodePng(PngDecode* decode)
{
    if (!ReadPngHeader(decode))
        return nullptr;
    ScopedBitmap dib(
        LMBitmap::CreateDib32(static_cast<int>(decode->Width), static_cast<int>(decode->Height)));
    BITMAP description{};
    if (!dib || !GetObjectW(dib.Get(), sizeof(description), &description) || !description.bmBits)
        return nullptr;
    // PNG line i is image row i, which a bottom-up DIB keeps at memory row height-1-i.
    std::vector<png_bytep> rows(decode->Height);
    auto* bits = static_cast<png_bytep>(description.bmBits);
    for (png_uint_32 i = 0; i < decode->Height; ++i)
        rows[i] = bits + static_cast<size_t>(decode->Height - 1 - i) * description.bmWidthBytes;
    if (!ReadPngRows(decode, rows.data()))
        return nullptr;
    return dib.Release();
}

HBITMAP ShowPngError(const wchar_t* path)
{
    wchar_t text[512];
    wnsprintfW(text, ARRAYSIZE(text), L"Error reading '%s' (12)", path);
    LMErrorBox(nullptr, text, L"Error", MB_ICONWARNING);
    return nullptr;
}

bool ReadWholeFile(HANDLE file, std::vector<uint8_t>* data)
{
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart < 0 ||
        static_cast<uint64_t>(size.QuadPart) > kLMMaxDibBytes)
        return false;
    data->resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < data->size()) {
        DWORD got = 0;
        if (!ReadFile(file, data->data() + done, static_cast<DWORD>(data->size() - done), &got,
                      nullptr) ||
            got == 0)
            return false;
        done += got;
    }
    return true;
}

}  // namespace

void __cdecl ReadPngFromMemory(png_struct_def* png, unsigned char* out, size_t count)
{
    auto* source = static_cast<PngMemorySource*>(png_get_io_ptr(png));
    if (!source || source->Offset > source->Size || count > source->Size - source->Offset)
        png_error(png, "Read past the end of the PNG data");
    std::memcpy(out, source->Data + source->Offset, count);
    source->Offset += count;
}

HBITMAP LoadPngFromMemory(const void* data, size_t size, int* hasAlpha)
{
    if (!data)
        return nullptr;
    PngDecode decode;
    PngReadStructs owner(decode);
    decode.Source = {static_cast<const uint8_t*>(data), size, 0};
    decode.Png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngErrorExit, PngWarningIgnored);
    if (!decode.Png)
        return nullptr;
    decode.Info = png_create_info_struct(decode.Png);
    if (!decode.Info)
        return nullptr;
    png_set_read_fn(decode.Png, &decode.Source, ReadPngFromMemory);
    HBITMAP result = nullptr;
    try {
        result = DecodePng(&decode);
    } catch (...) {
        result = nullptr;
    }
    if (result && hasAlpha)
        *hasAlpha = decode.HasAlpha;
    return result;
}

HBITMAP LoadPng(const wchar_t* path, int* hasAlpha)
{
    ScopedFile file(
        CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return nullptr;
    HBITMAP result = nullptr;
    try {
        std::vector<uint8_t> data;
        bool read = ReadWholeFile(file.Get(), &data);
        file.Reset();
        if (read)
            result = LoadPngFromMemory(data.data(), data.size(), hasAlpha);
    } catch (...) {
        result = nullptr;
    }
    return result ? result : ShowPngError(path);
}
