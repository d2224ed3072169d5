// Reading a ".Trivane" file: every size in the header is checked against the
// file and the limits before anything is allocated.

#include "FileRetry.h"
#include "ScopedWin.h"
#include "ThemeContainer.h"
#include "ThemeFileNames.h"

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

// The body as a stored or compressed source over the given bytes.
std::unique_ptr<ThemeBodySource> BodySource(
    const ThemeFileHeader& header, uint64_t readSize, ByteSource read)
{
    if (header.CompressedSize != 0)
        return std::make_unique<InflatingBodySource>(std::move(read), header);
    return std::make_unique<StoredBodySource>(std::move(read), readSize);
}

// An open container: its header, and its body read from the file on demand.
struct OpenedContainer {
    ScopedFile File;
    ThemeFileHeader Header {};
    std::unique_ptr<ThemeBodySource> Body;
};

int OpenContainer(const wchar_t* path, OpenedContainer* opened)
{
    opened->File.Reset(CreateFileRetry(
        path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    HANDLE file = opened->File.Get();
    LARGE_INTEGER fileSize {};
    if (!opened->File || !GetFileSizeEx(file, &fileSize)
        || fileSize.QuadPart < static_cast<LONGLONG>(sizeof(ThemeFileHeader)))
        return 0;
    uint8_t headerBytes[sizeof(ThemeFileHeader)];
    if (!ReadExactly(file, headerBytes, sizeof(headerBytes))
        || !ReadThemeFileHeader(headerBytes, sizeof(headerBytes), &opened->Header)
        || !IsLoadableVersion(opened->Header.Version))
        return 0;
    uint64_t available = static_cast<uint64_t>(fileSize.QuadPart) - sizeof(ThemeFileHeader);
    uint64_t readSize = 0;
    if (!ThemeBodyReadSize(opened->Header, available, &readSize))
        return 0;
    opened->Body = BodySource(opened->Header, readSize,
        [file](uint8_t* data, size_t size) { return ReadExactly(file, data, size); });
    return 1;
}

// What a preview made goes into the theme only when the whole preview worked.
void AdoptPreview(CTheme& theme, CTheme& loaded)
{
    for (HeapText CTheme::*text : kThemeTextFileOrder) {
        if (loaded.*text)
            theme.*text = std::move(loaded.*text);
    }
    for (auto& cursor : loaded.Cursors)
        theme.AddCursor(std::move(cursor));
    for (size_t i = 0; i < kMouseEventCount; ++i) {
        if (loaded.Effects[i])
            theme.Effects[i] = std::move(loaded.Effects[i]);
        if (loaded.Sounds[i])
            theme.Sounds[i] = std::move(loaded.Sounds[i]);
    }
    for (size_t i = 0; i < kTrailSlotCount; ++i) {
        if (loaded.Trails[i])
            theme.Trails[i] = std::move(loaded.Trails[i]);
    }
    theme.ContentFlags = loaded.ContentFlags;
    theme.UnsupportedWarned = loaded.UnsupportedWarned;
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
    InflatingBodySource inflater(source, header);
    if (!inflater.ReachWhole())
        return 0;
    *body = inflater.Take();
    return 1;
}

int CTheme::LoadContainer(const wchar_t* path, int preview)
{
    FilePath = path ? path : L"";
    try {
        OpenedContainer container;
        if (!OpenContainer(FilePath.c_str(), &container))
            return 0;
        if (preview) {
            // Read only as far as the records are wanted.
            CTheme loaded;
            loaded.UnsupportedWarned = UnsupportedWarned;
            if (!ParseThemeBodyFrom(&loaded, container.Header, *container.Body, preview))
                return 0;
            AdoptPreview(*this, loaded);
        } else {
            if (!container.Body->ReachWhole())
                return 0;
            container.File.Reset();
            ParseThemeBodyFrom(this, container.Header, *container.Body, preview);
        }
        if (!Name || Name[0] == L'\0')
            Name = DuplicateText(FileTitleOf(FilePath).c_str());
        return 1;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}
