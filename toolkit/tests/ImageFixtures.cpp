#include "ImageFixtures.h"

#include "TempFolder.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

// jpeglib.h needs size_t and FILE first.
#include <jpeglib.h>
#include <zlib.h>

namespace {

// Wine maps the build machine's folders to a drive; ask it for the Windows name.
std::wstring WindowsPath(const std::string& path)
{
    using ToDos = WCHAR*(CDECL*)(LPCSTR);
    auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (!path.empty() && path[0] == '/' && toDos) {
        WCHAR* converted = toDos(path.c_str());
        if (converted) {
            std::wstring result = converted;
            HeapFree(GetProcessHeap(), 0, converted);
            return result;
        }
    }
    return std::wstring(path.begin(), path.end());
}

const std::wstring& ContribFolder()
{
    static const std::wstring folder = [] {
        std::string configured = TRIVANE_LIBPNG_CONTRIB;
        if (configured.empty())
            return std::wstring();
        std::wstring path = WindowsPath(configured);
        DWORD attributes = GetFileAttributesW((path + L"\\pngsuite").c_str());
        bool present =
            attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        return present ? path : std::wstring();
    }();
    return folder;
}

void PutU32BE(Bytes& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void SetJpegColorSpace(jpeg_compress_struct& info, JpegKind kind)
{
    switch (kind) {
    case JpegKind::Gray:
        info.input_components = 1;
        info.in_color_space = JCS_GRAYSCALE;
        break;
    case JpegKind::Rgb:
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        break;
    case JpegKind::Cmyk:
        info.input_components = 4;
        info.in_color_space = JCS_CMYK;
        break;
    }
}

}  // namespace

bool HaveLibpngContrib()
{
    return !ContribFolder().empty();
}

std::wstring LibpngContribFile(const std::string& relative)
{
    if (ContribFolder().empty())
        return {};
    std::wstring path = ContribFolder() + L"\\" + std::wstring(relative.begin(), relative.end());
    for (wchar_t& c : path) {
        if (c == L'/')
            c = L'\\';
    }
    return path;
}

std::string PixelBytes(const uint8_t* bottomUpPixels, int width, int height, int x, int y)
{
    const uint8_t* p = bottomUpPixels + (static_cast<size_t>(height - 1 - y) * width + x) * 4;
    char text[16];
    std::snprintf(text, sizeof(text), "%02X %02X %02X %02X", p[0], p[1], p[2], p[3]);
    return text;
}

std::string PixelBytes(const LMBitmap& bitmap, int x, int y)
{
    if (!bitmap.HasPixels() || x < 0 || y < 0 || x >= bitmap.Width || y >= bitmap.Height)
        return "no pixel";
    GdiFlush();
    return PixelBytes(static_cast<const uint8_t*>(bitmap.Dib.bmBits), bitmap.Width, bitmap.Height,
                      x, y);
}

Bytes DibMemory(const LMBitmap& bitmap)
{
    if (!bitmap.HasPixels())
        return {};
    GdiFlush();
    const auto* bits = static_cast<const uint8_t*>(bitmap.Dib.bmBits);
    return Bytes(bits, bits + static_cast<size_t>(bitmap.Width) * bitmap.Height * 4);
}

Bytes ReadFileBytes(const std::wstring& path)
{
    std::string data;
    if (!ReadBytesFromFile(path, &data))
        return {};
    return Bytes(data.begin(), data.end());
}

bool WriteFileBytes(const std::wstring& path, const Bytes& bytes)
{
    return WriteBytesToFile(path, bytes.data(), bytes.size());
}

Bytes MakeTga(const TgaFields& fields, const Bytes& pixels)
{
    Bytes out = {fields.IdLength, fields.ColorMapType, fields.ImageType, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    PutU16LE(out, fields.Width);
    PutU16LE(out, fields.Height);
    out.push_back(fields.PixelDepth);
    out.push_back(fields.Descriptor);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

Bytes MakeJpeg(JpegKind kind, int width, int height, const Bytes& samples, int quality,
               JpegSampling sampling)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    SetJpegColorSpace(info, kind);
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    for (int i = 0; i < info.num_components && sampling == JpegSampling::Full; ++i) {
        info.comp_info[i].h_samp_factor = 1;
        info.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    size_t stride = static_cast<size_t>(width) * info.input_components;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(samples.data() + info.next_scanline * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

Bytes GrayBlocks(int width, int height, const std::vector<uint8_t>& blockValues)
{
    Bytes samples(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            samples[static_cast<size_t>(y) * width + x] = blockValues[(x / 8) % blockValues.size()];
    }
    return samples;
}

size_t FindJpegMarker(const Bytes& jpeg, uint8_t code)
{
    for (size_t i = 2; i + 1 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == code)
            return i;
    }
    return 0;
}

Bytes PngChunk(const char type[4], const Bytes& data)
{
    Bytes out;
    PutU32BE(out, static_cast<uint32_t>(data.size()));
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutU32BE(out, static_cast<uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
    return out;
}

Bytes PngWithHeader(uint32_t width, uint32_t height)
{
    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    PutU32BE(header, width);
    PutU32BE(header, height);
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, not interlaced
    // The start of a first line, so that the header is read to the end.
    const uint8_t line[5] = {0, 1, 2, 3, 4};
    Bytes packed(64);
    uLongf packedSize = static_cast<uLongf>(packed.size());
    compress2(packed.data(), &packedSize, line, sizeof(line), 9);
    packed.resize(packedSize);
    for (const Bytes& chunk :
         {PngChunk("IHDR", header), PngChunk("IDAT", packed), PngChunk("IEND", {})})
        out.insert(out.end(), chunk.begin(), chunk.end());
    return out;
}

GuardedBuffer::GuardedBuffer(const Bytes& bytes) : size_(bytes.size())
{
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    size_t page = system.dwPageSize;
    size_t dataPages = (size_ + page - 1) / page * page;
    base_ = static_cast<uint8_t*>(
        VirtualAlloc(nullptr, dataPages + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    if (!base_)
        return;
    DWORD old = 0;
    if (!VirtualProtect(base_ + dataPages, page, PAGE_NOACCESS, &old))
        return;
    uint8_t* data = base_ + dataPages - size_;
    if (size_)
        std::memcpy(data, bytes.data(), size_);
    data_ = data;
}

GuardedBuffer::~GuardedBuffer()
{
    if (base_)
        VirtualFree(base_, 0, MEM_RELEASE);
}
