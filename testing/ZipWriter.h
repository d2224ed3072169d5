#pragma once
// Zip archives written byte by byte from the format's public description, with
// zlib's raw deflate, including what careful writers never write: unsafe
// names, wrong CRCs and sizes, any flags, methods and attributes.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct ZipEntryPlan {
    std::string Name;  // a trailing "/" makes a folder entry
    std::string Data;
    bool Deflate = true;
    uint16_t Flags = 0;    // bit 3: sizes and CRC in a data descriptor after the data
    uint16_t MadeBy = 20;  // host in the high byte (3: Unix)
    uint32_t Attributes = 0;
    int64_t Crc = -1, Size = -1, Method = -1;  // -1: the true value
};

struct ZipLayout {
    std::string File;
    std::vector<size_t> Locals, Centrals;
    size_t End = 0;
};

ZipLayout BuildZip(const std::vector<ZipEntryPlan>& entries, const std::string& comment = {});

// Little-endian fields of 2 or 4 bytes at the offset.
void PutField(std::string* file, size_t offset, uint32_t value, int bytes);

// {offset, bytes} of each field of the end record, central entry and local header.
using ZipFields = std::vector<std::pair<size_t, int>>;
extern const ZipFields kZipEndFields, kZipCentralFields, kZipLocalFields;

// What an extraction left: each file under folder by relative path, with its bytes.
std::map<std::wstring, std::string> ExtractedFiles(const std::wstring& folder);
