#include "LMTgaLoader.h"

#include "LMBitmap.h"
#include "LMImageSize.h"

namespace {

uint16_t ReadU16LE(const uint8_t* bytes)
{
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

bool ReadFully(HANDLE file, uint8_t* out, size_t size, size_t* got)
{
    *got = 0;
    while (*got < size) {
        DWORD chunk = 0;
        if (!ReadFile(file, out + *got, static_cast<DWORD>(size - *got), &chunk, nullptr))
            return false;
        if (chunk == 0)
            break;
        *got += chunk;
    }
    return true;
}

}  // namespace

bool ParseTgaHeader(const uint8_t* bytes, size_t size, TgaHeader* header)
{
    if (!bytes || size < kTgaHeaderSize)
        return false;
    header->IdLength = bytes[0];
    header->ColorMapType = bytes[1];
    header->ImageType = bytes[2];
    header->Width = ReadU16LE(bytes + 12);
    header->Height = ReadU16LE(bytes + 14);
    header->PixelDepth = bytes[16];
    return true;
}

bool IsSupportedTga(const TgaHeader& header)
{
    return header.IdLength == 0 && header.ColorMapType == 0 && header.ImageType == 2 &&
        header.PixelDepth == 32 && LMImageSizeAllowed(header.Width, header.Height);
}

HBITMAP LoadTga(const wchar_t* path)
{
    ScopedFile file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return nullptr;
    uint8_t bytes[kTgaHeaderSize];
    size_t got = 0;
    TgaHeader header;
    if (!ReadFully(file.Get(), bytes, sizeof(bytes), &got) ||
        !ParseTgaHeader(bytes, got, &header) || !IsSupportedTga(header))
        return nullptr;
    ScopedBitmap dib(LMBitmap::CreateDib32(header.Width, header.Height));
    BITMAP description{};
    if (!dib || !GetObjectW(dib.Get(), sizeof(description), &description) || !description.bmBits)
        return nullptr;
    size_t pixelBytes = static_cast<size_t>(header.Width) * header.Height * 4;
    ReadFully(file.Get(), static_cast<uint8_t*>(description.bmBits), pixelBytes, &got);
    return dib.Release();
}
