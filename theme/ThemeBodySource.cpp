#include "ThemeBodySource.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace
{

// Compressed input is read in pieces of this size.
constexpr size_t kInflateChunk = 64 * 1024;

} // namespace

ByteBuffer GrowingBodySource::Take()
{
    buffer_.Size = have_;
    have_ = 0;
    return std::move(buffer_);
}

uint64_t GrowingBodySource::TargetFor(uint64_t end) const
{
    return std::min<uint64_t>(Size(), std::max<uint64_t>(end, have_ + kThemeBodyStep));
}

bool GrowingBodySource::MakeRoom(uint64_t size)
{
    if (size <= buffer_.Size)
        return true;
    // Doubling keeps the copying linear when a parser reads on and on.
    uint64_t capacity = std::min<uint64_t>(Size(), std::max<uint64_t>(size, 2 * buffer_.Size));
    ByteBuffer larger;
    if (!larger.Allocate(capacity))
        return false;
    if (have_ > 0)
        std::memcpy(larger.Data.get(), buffer_.Data.get(), have_);
    buffer_ = std::move(larger);
    return true;
}

StoredBodySource::StoredBodySource(ByteSource read, uint64_t size)
    : GrowingBodySource(size)
    , read_(std::move(read))
{
}

bool StoredBodySource::Reach(uint64_t end)
{
    if (std::min<uint64_t>(end, Size()) <= have_)
        return true;
    uint64_t target = TargetFor(end);
    if (!MakeRoom(target) || !read_(Data() + have_, static_cast<size_t>(target - have_)))
        return false;
    have_ = static_cast<size_t>(target);
    return true;
}

InflatingBodySource::InflatingBodySource(ByteSource read, const ThemeFileHeader& header)
    : GrowingBodySource(header.BodySize)
    , read_(std::move(read))
    , inputLeft_(header.CompressedSize)
    , chunk_(new (std::nothrow) uint8_t[kInflateChunk])
{
    started_ = chunk_ && inflateInit(&stream_) == Z_OK;
}

InflatingBodySource::~InflatingBodySource()
{
    if (started_)
        inflateEnd(&stream_);
}

bool InflatingBodySource::Feed()
{
    auto piece = static_cast<size_t>(std::min<uint64_t>(inputLeft_, kInflateChunk));
    if (!read_(chunk_.get(), piece))
        return false;
    inputLeft_ -= piece;
    stream_.next_in = chunk_.get();
    stream_.avail_in = static_cast<uInt>(piece);
    return true;
}

// Inflates until the output space is full (or, with untilEnd, until the stream
// ends); false when the stream is damaged, needs more room than it was given
// at its end, or the input runs out first.
bool InflatingBodySource::Inflate(bool untilEnd)
{
    for (;;) {
        if (ended_ || (!untilEnd && stream_.avail_out == 0))
            return true;
        if (stream_.avail_in == 0 && inputLeft_ > 0 && !Feed())
            return false;
        int result = inflate(&stream_, Z_NO_FLUSH);
        if (result == Z_STREAM_END)
            ended_ = true;
        else if (result != Z_OK
            && !(result == Z_BUF_ERROR && stream_.avail_in == 0 && inputLeft_ > 0))
            return false;
    }
}

bool InflatingBodySource::Reach(uint64_t end)
{
    uint64_t needed = std::min<uint64_t>(end, Size());
    if (needed <= have_)
        return true;
    uint64_t target = TargetFor(end);
    if (!started_ || failed_ || !MakeRoom(target))
        return false;
    // The stream keeps its own window, so the buffer may have moved.
    stream_.next_out = Data() + have_;
    stream_.avail_out = static_cast<uInt>(target - have_);
    failed_ = !Inflate(false);
    have_ = static_cast<size_t>(target - stream_.avail_out);
    return have_ >= needed;
}

bool InflatingBodySource::ReachWhole()
{
    if (!started_ || !Reach(Size()) || failed_)
        return false;
    // Only the end of the stream is left to read; zlib wants somewhere to point.
    uint8_t spare = 0;
    stream_.next_out = &spare;
    stream_.avail_out = 0;
    bool ended = Inflate(true);
    stream_.next_out = nullptr;
    return ended;
}
