#include "ZipDirectory.h"

#include <cstring>

namespace {

constexpr uint32_t kEndSignature = 0x06054B50;
constexpr uint32_t kCentralSignature = 0x02014B50;
constexpr uint32_t kLocalSignature = 0x04034B50;
constexpr uint64_t kEndSize = 22;
constexpr uint64_t kCentralSize = 46;
constexpr uint64_t kLocalSize = 30;
constexpr uint64_t kMaxCommentLength = 0xFFFF;
constexpr uint16_t kZip64ExtraId = 0x0001;

constexpr uint8_t kHostUnix = 3;
constexpr uint32_t kUnixTypeMask = 0170000;
constexpr uint32_t kUnixSymbolicLink = 0120000;

struct EndRecord {
    uint16_t Disk = 0;
    uint16_t DirectoryDisk = 0;
    uint16_t EntriesOnDisk = 0;
    uint16_t Entries = 0;
    uint32_t DirectorySize = 0;
    uint32_t DirectoryOffset = 0;
    uint64_t At = 0;
};

// The last end record whose comment fits the file, searched back over the
// longest comment there can be.
bool FindEndRecord(const ByteReader& archive, EndRecord* end)
{
    if (archive.Size() < kEndSize)
        return false;
    uint64_t last = archive.Size() - kEndSize;
    uint64_t first = last > kMaxCommentLength ? last - kMaxCommentLength : 0;
    for (uint64_t at = last + 1; at-- > first;) {
        uint32_t signature = 0;
        uint16_t commentLength = 0;
        archive.U32At(at, &signature);
        archive.U16At(at + 20, &commentLength);
        if (signature != kEndSignature || commentLength > archive.Size() - at - kEndSize)
            continue;
        archive.U16At(at + 4, &end->Disk);
        archive.U16At(at + 6, &end->DirectoryDisk);
        archive.U16At(at + 8, &end->EntriesOnDisk);
        archive.U16At(at + 10, &end->Entries);
        archive.U32At(at + 12, &end->DirectorySize);
        archive.U32At(at + 16, &end->DirectoryOffset);
        end->At = at;
        return true;
    }
    return false;
}

bool HasZip64Extra(const ByteReader& extra)
{
    for (uint64_t at = 0; at + 4 <= extra.Size();) {
        uint16_t id = 0;
        uint16_t length = 0;
        extra.U16At(at, &id);
        extra.U16At(at + 2, &length);
        if (id == kZip64ExtraId)
            return true;
        at += 4 + uint64_t{length};
    }
    return false;
}

// One central entry at `at` of the directory; advances `at` past it.
bool ReadCentralEntry(const ByteReader& directory, uint64_t* at, ZipEntry* entry)
{
    uint32_t signature = 0;
    uint16_t nameLength = 0;
    uint16_t extraLength = 0;
    uint16_t commentLength = 0;
    uint64_t p = *at;
    if (!directory.U32At(p, &signature) || signature != kCentralSignature ||
        !directory.Contains(p, kCentralSize))
        return false;
    directory.U16At(p + 4, &entry->MadeBy);
    directory.U16At(p + 8, &entry->Flags);
    directory.U16At(p + 10, &entry->Method);
    directory.U32At(p + 16, &entry->Crc);
    directory.U32At(p + 20, &entry->CompressedSize);
    directory.U32At(p + 24, &entry->UncompressedSize);
    directory.U16At(p + 28, &nameLength);
    directory.U16At(p + 30, &extraLength);
    directory.U16At(p + 32, &commentLength);
    directory.U16At(p + 34, &entry->DiskStart);
    directory.U32At(p + 38, &entry->ExternalAttributes);
    directory.U32At(p + 42, &entry->LocalOffset);
    uint64_t variable = uint64_t{nameLength} + extraLength + commentLength;
    ByteReader extra;
    if (!directory.Contains(p + kCentralSize, variable) ||
        !directory.Sub(p + kCentralSize + nameLength, extraLength, &extra))
        return false;
    entry->Name = directory.Data() + p + kCentralSize;
    entry->NameLength = nameLength;
    entry->Zip64Extra = HasZip64Extra(extra);
    *at = p + kCentralSize + variable;
    return true;
}

}  // namespace

bool ReadZipDirectory(const ByteReader& archive, std::vector<ZipEntry>* entries)
{
    entries->clear();
    EndRecord end;
    if (!FindEndRecord(archive, &end))
        return false;
    // Split archives and zip64 archives (whose end record holds only markers)
    // are not read.
    if (end.Disk != 0 || end.DirectoryDisk != 0 || end.EntriesOnDisk != end.Entries ||
        end.Entries == 0xFFFF || end.DirectorySize == 0xFFFFFFFF ||
        end.DirectoryOffset == 0xFFFFFFFF)
        return false;
    ByteReader directory;
    if (uint64_t{end.DirectoryOffset} + end.DirectorySize > end.At ||
        !archive.Sub(end.DirectoryOffset, end.DirectorySize, &directory))
        return false;
    // Every entry takes at least its fixed part, so a count the directory
    // cannot hold is caught before anything is reserved.
    if (uint64_t{end.Entries} * kCentralSize > directory.Size())
        return false;
    entries->reserve(end.Entries);
    uint64_t at = 0;
    for (uint32_t i = 0; i < end.Entries; ++i) {
        ZipEntry entry;
        if (!ReadCentralEntry(directory, &at, &entry)) {
            entries->clear();
            return false;
        }
        entries->push_back(entry);
    }
    return true;
}

bool IsFolderEntry(const ZipEntry& entry)
{
    if (entry.NameLength == 0)
        return false;
    uint8_t last = entry.Name[entry.NameLength - 1];
    return last == '/' || last == '\\';
}

UnzipEntryOutcome CheckEntryFeatures(const ZipEntry& entry)
{
    if (entry.Zip64Extra || entry.CompressedSize == 0xFFFFFFFF ||
        entry.UncompressedSize == 0xFFFFFFFF || entry.LocalOffset == 0xFFFFFFFF)
        return UnzipRefusedZip64;
    if (entry.DiskStart != 0)
        return UnzipRefusedSplit;
    if (entry.Flags & (kZipFlagEncrypted | kZipFlagStrongEncryption))
        return UnzipRefusedEncrypted;
    bool unixLink = (entry.MadeBy >> 8) == kHostUnix &&
                    ((entry.ExternalAttributes >> 16) & kUnixTypeMask) == kUnixSymbolicLink;
    if (unixLink || (entry.ExternalAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return UnzipRefusedLink;
    if (!IsFolderEntry(entry) && entry.Method != kZipMethodStored &&
        entry.Method != kZipMethodDeflated)
        return UnzipRefusedMethod;
    return UnzipWritten;
}

UnzipEntryOutcome LocateEntryData(const ByteReader& archive, const ZipEntry& entry,
                                  ByteReader* data)
{
    uint64_t at = entry.LocalOffset;
    uint32_t signature = 0;
    uint16_t nameLength = 0;
    uint16_t extraLength = 0;
    if (!archive.U32At(at, &signature) || signature != kLocalSignature ||
        !archive.Contains(at, kLocalSize))
        return UnzipRefusedHeader;
    archive.U16At(at + 26, &nameLength);
    archive.U16At(at + 28, &extraLength);
    const uint8_t* name = archive.BytesAt(at + kLocalSize, nameLength);
    if (!name || nameLength != entry.NameLength || std::memcmp(name, entry.Name, nameLength) != 0)
        return UnzipRefusedHeader;
    uint64_t start = at + kLocalSize + nameLength + extraLength;
    return archive.Sub(start, entry.CompressedSize, data) ? UnzipWritten : UnzipRefusedHeader;
}
