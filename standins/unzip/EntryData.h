#pragma once
// An entry's bytes: copied when stored, inflated when deflated, never more
// than its declared size nor the budget left, and checked against its CRC.

#include "ZipDirectory.h"

#include <memory>

struct EntryBytes {
    std::unique_ptr<uint8_t[]> Data;
    size_t Size = 0;
    // What was copied or inflated, set also when the entry is then refused.
    uint64_t Produced = 0;
};

// budget: the bytes this entry may still produce under the caps.
UnzipEntryOutcome ExtractEntryData(const ZipEntry& entry, const ByteReader& compressed,
                                   uint64_t budget, EntryBytes* out);
