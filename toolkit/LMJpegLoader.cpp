#include "LMJpegLoader.h"

#include "LMBitmap.h"
#include "LMImageSize.h"
#include "LMMessageBox.h"

#include <csetjmp>
#include <cstdio>
#include <functional>
#include <new>

// jpeglib.h needs size_t and FILE first.
#include <jpeglib.h>

// Fatal library errors longjmp back to a recovery point. Functions that set one
// hold nothing with a destructor and do their work in a callee; the decompressor,
// the file and the pixels are owned by the frame around them.

namespace {

struct JpegErrorManager {
    jpeg_error_mgr Standard;  // first: the library hands this address back
    jmp_buf Recovery;
    char Message[JMSG_LENGTH_MAX];
};

struct JpegDecode {
    jpeg_decompress_struct Info;
    JpegErrorManager Errors;
};

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using ScopedCFile = std::unique_ptr<FILE, FileCloser>;

// Destroys the decompressor however the decode ends (safe before it was created).
class JpegDecompressOwner {
public:
    explicit JpegDecompressOwner(jpeg_decompress_struct& info) : info_(info) {}
    ~JpegDecompressOwner() { jpeg_destroy_decompress(&info_); }
    JpegDecompressOwner(const JpegDecompressOwner&) = delete;
    JpegDecompressOwner& operator=(const JpegDecompressOwner&) = delete;

private:
    jpeg_decompress_struct& info_;
};

jpeg_error_mgr* UseLoaderErrors(JpegErrorManager* errors)
{
    jpeg_std_error(&errors->Standard);
    errors->Standard.output_message = JpegOutputMessage;
    errors->Standard.error_exit = LoadJpegErrorExit;
    return &errors->Standard;
}

int StartJpegSteps(JpegDecode* decode, FILE* file)
{
    jpeg_create_decompress(&decode->Info);
    jpeg_stdio_src(&decode->Info, file);
    jpeg_read_header(&decode->Info, TRUE);
    jpeg_calc_output_dimensions(&decode->Info);
    if (!LMImageSizeAllowed(decode->Info.output_width, decode->Info.output_height))
        return 0;
    jpeg_start_decompress(&decode->Info);
    return 1;
}

int StartJpeg(JpegDecode* decode, FILE* file)
{
    if (setjmp(decode->Errors.Recovery))
        return 0;
    return StartJpegSteps(decode, file);
}

int ReadJpegLinesSteps(JpegDecode* decode, uint8_t* pixels)
{
    j_decompress_ptr info = &decode->Info;
    int width = static_cast<int>(info->output_width);
    int height = static_cast<int>(info->output_height);
    JSAMPARRAY line = (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE,
                                                 info->output_width * info->output_components, 1);
    while (info->output_scanline < info->output_height) {
        if (jpeg_read_scanlines(info, line, 1) != 1)
            return 0;
        int n = static_cast<int>(info->output_scanline) - 1;
        if (info->out_color_components == 3)
            JpegRowToBgra(line[0], width, height, pixels, n);
        else if (info->out_color_components == 1)
            JpegGrayRowToBgra(line[0], width, height, pixels, n);
    }
    jpeg_finish_decompress(info);
    return 1;
}

int ReadJpegLines(JpegDecode* decode, uint8_t* pixels)
{
    if (setjmp(decode->Errors.Recovery))
        return 0;
    return ReadJpegLinesSteps(decode, pixels);
}

// Gives the zeroed width x height x 4 bytes that decoded lines go to, or null.
using JpegAllocator = std::function<uint8_t*(int width, int height)>;

// Width and height are set only when the whole decode succeeds.
bool DecodeJpegFile(const wchar_t* path, const JpegAllocator& allocate, int* width, int* height)
{
    *width = 0;
    *height = 0;
    if (!path)
        return false;
    ScopedCFile file(_wfopen(path, L"rb"));
    if (!file)
        return false;
    JpegDecode decode{};
    decode.Info.err = UseLoaderErrors(&decode.Errors);
    JpegDecompressOwner owner(decode.Info);
    if (!StartJpeg(&decode, file.get()))
        return false;
    int outWidth = static_cast<int>(decode.Info.output_width);
    int outHeight = static_cast<int>(decode.Info.output_height);
    uint8_t* pixels = allocate(outWidth, outHeight);
    if (!pixels || !ReadJpegLines(&decode, pixels))
        return false;
    *width = outWidth;
    *height = outHeight;
    return true;
}

uint8_t* BufferRow(uint8_t* buffer, int width, int height, int n)
{
    return buffer + static_cast<size_t>(height - 1 - n) * width * 4;
}

}  // namespace

void LoadJpegErrorExit(jpeg_common_struct* cinfo)
{
    auto* errors = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->Message);
    std::longjmp(errors->Recovery, 1);
}

void JpegOutputMessage(jpeg_common_struct* cinfo)
{
    char message[JMSG_LENGTH_MAX] = {};
    (*cinfo->err->format_message)(cinfo, message);
    wchar_t text[JMSG_LENGTH_MAX] = {};
    if (!MultiByteToWideChar(CP_ACP, 0, message, -1, text, JMSG_LENGTH_MAX))
        text[0] = L'\0';
    try {
        LMErrorBox(GetActiveWindow(), text, L"JPEG Error", MB_OK);
    } catch (...) {
        // Nothing may unwind through the library's frames.
    }
}

void JpegRowToBgra(const uint8_t* line, int width, int height, uint8_t* buffer, int n)
{
    uint8_t* out = BufferRow(buffer, width, height, n);
    for (int x = 0; x < width; ++x, line += 3, out += 4) {
        out[0] = line[2];
        out[1] = line[1];
        out[2] = line[0];
    }
}

void JpegGrayRowToBgra(const uint8_t* line, int width, int height, uint8_t* buffer, int n)
{
    uint8_t* out = BufferRow(buffer, width, height, n);
    for (int x = 0; x < width; ++x, ++line, out += 4) {
        out[0] = *line;
        out[1] = *line;
        out[2] = *line;
    }
}

std::unique_ptr<uint8_t[]> LoadJpegPixels(const wchar_t* path, int* width, int* height)
{
    std::unique_ptr<uint8_t[]> pixels;
    auto allocate = [&pixels](int w, int h) {
        pixels.reset(new (std::nothrow) uint8_t[static_cast<size_t>(w) * h * 4]());
        return pixels.get();
    };
    if (!DecodeJpegFile(path, allocate, width, height))
        return nullptr;
    return pixels;
}

// Decodes straight into the DIB section, whose pages start out zero: a second
// buffer and a copy would cost as much as the decode itself.
HBITMAP LoadJpeg(const wchar_t* path)
{
    ScopedBitmap dib;
    auto allocate = [&dib](int w, int h) -> uint8_t* {
        dib.Reset(LMBitmap::CreateDib32(w, h));
        BITMAP description{};
        if (!dib || !GetObjectW(dib.Get(), sizeof(description), &description))
            return nullptr;
        return static_cast<uint8_t*>(description.bmBits);
    };
    int width = 0;
    int height = 0;
    if (!DecodeJpegFile(path, allocate, &width, &height))
        return nullptr;
    return dib.Release();
}
