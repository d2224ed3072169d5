#pragma once
// The zip archive's directory: the end record found from the file's end, the
// central entries it points to, and each entry's data behind its local header.
// Every offset and length comes from the file and is checked before use.

#include "ByteReader.h"
#include "Unzip32.h"

#include <cstdint>
#include <vector>

// One central directory entry; Name points into the archive's bytes.
struct ZipEntry {
    uint16_t MadeBy = 0;
    uint16_t Flags = 0;
    uint16_t Method = 0;
    uint32_t Crc = 0;
    uint32_t CompressedSize = 0;
    uint32_t UncompressedSize = 0;
    uint16_t DiskStart = 0;
    uint32_t ExternalAttributes = 0;
    uint32_t LocalOffset = 0;
    bool Zip64Extra = false;
    const uint8_t* Name = nullptr;
    uint16_t NameLength = 0;
};

constexpr uint16_t kZipMethodStored = 0;
constexpr uint16_t kZipMethodDeflated = 8;
constexpr uint16_t kZipFlagEncrypted = 0x0001;
constexpr uint16_t kZipFlagStrongEncryption = 0x0040;
constexpr uint16_t kZipFlagUtf8Name = 0x0800;

// The entries in directory order; false when no end record is found, the
// archive is split or zip64, or its directory does not lie whole inside it.
bool ReadZipDirectory(const ByteReader& archive, std::vector<ZipEntry>* entries);

// Written for a folder name (ending in "/" or "\").
bool IsFolderEntry(const ZipEntry& entry);

// UnzipWritten when the entry uses nothing the library refuses (zip64,
// another disk, encryption, links, methods other than stored and deflated).
UnzipEntryOutcome CheckEntryFeatures(const ZipEntry& entry);

// The entry's compressed bytes, found through its local header, which must
// carry the central entry's name.
UnzipEntryOutcome LocateEntryData(const ByteReader& archive, const ZipEntry& entry,
                                  ByteReader* data);
