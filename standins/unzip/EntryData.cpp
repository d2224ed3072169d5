#include "EntryData.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// Raw deflate into room for one byte more than declared, so a stream that
// runs past its size shows as such.
UnzipEntryOutcome Inflate(const ByteReader& compressed, uint8_t* out, size_t declared,
                          size_t* produced)
{
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return UnzipRefusedData;
    stream.next_in = const_cast<Bytef*>(compressed.Data());
    stream.avail_in = static_cast<uInt>(compressed.Size());
    stream.next_out = out;
    stream.avail_out = static_cast<uInt>(declared + 1);
    int result = inflate(&stream, Z_FINISH);
    *produced = stream.total_out;
    inflateEnd(&stream);
    if (*produced > declared || (result != Z_STREAM_END && stream.avail_out == 0))
        return UnzipRefusedSize;
    return result == Z_STREAM_END && *produced == declared ? UnzipWritten : UnzipRefusedData;
}

}  // namespace

UnzipEntryOutcome ExtractEntryData(const ZipEntry& entry, const ByteReader& compressed,
                                   uint64_t budget, EntryBytes* out)
{
    uint64_t declared = entry.UncompressedSize;
    if (declared > std::min(kUnzipMaxEntryBytes, budget))
        return UnzipRefusedSize;
    if (entry.Method == kZipMethodStored && compressed.Size() != declared)
        return compressed.Size() > declared ? UnzipRefusedSize : UnzipRefusedData;
    std::unique_ptr<uint8_t[]> data(new (std::nothrow) uint8_t[declared + 1]);
    if (!data)
        return UnzipRefusedWrite;
    size_t produced = static_cast<size_t>(declared);
    if (entry.Method == kZipMethodStored) {
        std::memcpy(data.get(), compressed.Data(), produced);
        out->Produced = produced;
    } else {
        UnzipEntryOutcome inflated = Inflate(compressed, data.get(), produced, &produced);
        out->Produced = produced;
        if (inflated != UnzipWritten)
            return inflated;
    }
    uLong crc = crc32(crc32(0, nullptr, 0), data.get(), static_cast<uInt>(produced));
    if (crc != entry.Crc)
        return UnzipRefusedCrc;
    out->Data = std::move(data);
    out->Size = produced;
    return UnzipWritten;
}
