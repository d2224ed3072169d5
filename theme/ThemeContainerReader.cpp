// Reading a ".Trivane" file: every size in the header is checked against the
// file and the limits before anything is allocated.

#include "FileRetry.h"
#include "ScopedWin.h"
#include "ThemeContainer.h"
#include "ThemeFileNames.h"

#include <zlib.h>

#include <algorithm>
#include <new>

namespace
{

bool ReadExactly(HANDLE file, uint8_t* data, uint64_t size)
{
    while (size > 0) {
        DWORD chunk = static_cast<DWORD>(std::min<uint64_t>(size, 0x40000000));
        DWORD got = 0;
        if (!ReadFile(file, data, chunk, &got, nullptr) || got != chunk)
            return false;
        data += chunk;
        size -= chunk;
    }
    return true;
}

bool IsLoadableVersion(uint32_t version)
{
    return version >= kThemeFileOldestVersion && version <= kThemeFileVersion;
}

// The header and the body of the file, with the file closed again.
int ReadContainerFile(const wchar_t* path, ThemeFileHeader* header, ByteBuffer* body)
{
    ScopedFile file(CreateFileRetry(
        path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER fileSize {};
    if (!file || !GetFileSizeEx(file.Get(), &fileSize)
        || fileSize.QuadPart < static_cast<LONGLONG>(sizeof(ThemeFileHeader)))
        return 0;
    uint8_t headerBytes[sizeof(ThemeFileHeader)];
    if (!ReadExactly(file.Get(), headerBytes, sizeof(headerBytes))
        || !ReadThemeFileHeader(headerBytes, sizeof(headerBytes), header)
        || !IsLoadableVersion(header->Version))
        return 0;
    uint64_t available = static_cast<uint64_t>(fileSize.QuadPart) - sizeof(ThemeFileHeader);
    uint64_t readSize = 0;
    ByteBuffer packed;
    if (!ThemeBodyReadSize(*header, available, &readSize) || !packed.Allocate(readSize)
        || !ReadExactly(file.Get(), packed.Data.get(), readSize))
        return 0;
    file.Reset();
    return UnpackThemeBody(*header, std::move(packed), body);
}

} // namespace

bool ThemeBodyReadSize(const ThemeFileHeader& header, uint64_t available, uint64_t* size)
{
    if (header.BodySize > kMaxThemeBodySize)
        return false;
    if (header.CompressedSize == 0) {
        // A stored body cut short is read as far as it goes.
        *size = std::min<uint64_t>(header.BodySize, available);
        return true;
    }
    if (header.CompressedSize > available
        || header.BodySize > kMaxInflateRatio * header.CompressedSize)
        return false;
    *size = header.CompressedSize;
    return true;
}

int UnpackThemeBody(const ThemeFileHeader& header, ByteBuffer packed, ByteBuffer* body)
{
    if (header.CompressedSize == 0) {
        *body = std::move(packed);
        return 1;
    }
    ByteBuffer inflated;
    if (packed.Size != header.CompressedSize || !inflated.Allocate(header.BodySize))
        return 0;
    uLongf length = header.BodySize;
    if (uncompress(inflated.Data.get(), &length, packed.Data.get(), packed.Size) != Z_OK
        || length != header.BodySize)
        return 0;
    *body = std::move(inflated);
    return 1;
}

int CTheme::LoadContainer(const wchar_t* path, int preview)
{
    FilePath = path ? path : L"";
    try {
        ThemeFileHeader header {};
        ByteBuffer body;
        if (!ReadContainerFile(FilePath.c_str(), &header, &body))
            return 0;
        ParseThemeBody(this, header, body.Data.get(), body.Size, preview);
        if (!Name || Name[0] == L'\0')
            Name = DuplicateText(FileTitleOf(FilePath).c_str());
        return 1;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}
