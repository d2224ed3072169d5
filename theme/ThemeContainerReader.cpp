// Reading a ".Trivane" file: every size in the header is checked against the
// file and the limits before anything is allocated.

#include "FileRetry.h"
#include "ScopedWin.h"
#include "ThemeContainer.h"
#include "ThemeFileNames.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
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

// Compressed input is read in pieces of this size, so only the body needs
// memory of its full size.
constexpr size_t kInflateChunk = 256 * 1024;

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
    if (!ThemeBodyReadSize(*header, available, &readSize))
        return 0;
    if (header->CompressedSize != 0) {
        HANDLE handle = file.Get();
        return InflateThemeBody(
            *header,
            [handle](uint8_t* data, size_t size) { return ReadExactly(handle, data, size); }, body);
    }
    return body->Allocate(readSize) && ReadExactly(file.Get(), body->Data.get(), readSize);
}

// One inflate pass over the source; true only when the stream ends having
// filled the body exactly.
bool InflateInto(
    z_stream* stream, uint64_t compressedSize, const ByteSource& source, uint8_t* chunk)
{
    uint64_t remaining = compressedSize;
    for (;;) {
        if (stream->avail_in == 0 && remaining > 0) {
            auto piece = static_cast<size_t>(std::min<uint64_t>(remaining, kInflateChunk));
            if (!source(chunk, piece))
                return false;
            remaining -= piece;
            stream->next_in = chunk;
            stream->avail_in = static_cast<uInt>(piece);
        }
        int result = inflate(stream, Z_NO_FLUSH);
        if (result == Z_STREAM_END)
            return stream->avail_out == 0;
        bool starved = result == Z_BUF_ERROR && stream->avail_in == 0 && remaining > 0;
        if (result != Z_OK && !starved)
            return false;
    }
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
    if (packed.Size != header.CompressedSize)
        return 0;
    size_t position = 0;
    return InflateThemeBody(
        header,
        [&packed, &position](uint8_t* data, size_t size) {
            if (size > packed.Size - position)
                return false;
            std::memcpy(data, packed.Data.get() + position, size);
            position += size;
            return true;
        },
        body);
}

int InflateThemeBody(const ThemeFileHeader& header, const ByteSource& source, ByteBuffer* body)
{
    ByteBuffer inflated;
    std::unique_ptr<uint8_t[]> chunk(new (std::nothrow) uint8_t[kInflateChunk]);
    if (!chunk || !inflated.Allocate(header.BodySize))
        return 0;
    z_stream stream {};
    if (inflateInit(&stream) != Z_OK)
        return 0;
    stream.next_out = inflated.Data.get();
    stream.avail_out = header.BodySize;
    bool whole = InflateInto(&stream, header.CompressedSize, source, chunk.get());
    inflateEnd(&stream);
    if (!whole)
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
