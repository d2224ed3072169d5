#pragma once
// The body of a ".Trivane" file as far as its parser has asked for it: read or
// inflated in pieces, so that a preview, which stops after a few records,
// never reads the rest of a large file.

#include "ByteReader.h"
#include "ThemeContainerFormat.h"

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

// An uninitialised byte buffer; allocation failure is a result, not an exception.
struct ByteBuffer {
    std::unique_ptr<uint8_t[]> Data;
    size_t Size = 0;

    bool Allocate(uint64_t size);
};

// Reads exactly `size` bytes into data; false when it cannot.
using ByteSource = std::function<bool(uint8_t* data, size_t size)>;

// A body grows by at least this much each time it is read further, so a
// parser that asks record by record does not read in tiny pieces.
constexpr size_t kThemeBodyStep = 64 * 1024;

class ThemeBodySource
{
public:
    explicit ThemeBodySource(uint64_t size)
        : size_(size)
    {
    }
    virtual ~ThemeBodySource() = default;
    ThemeBodySource(const ThemeBodySource&) = delete;
    ThemeBodySource& operator=(const ThemeBodySource&) = delete;

    // The size of the whole body: the bound of the record loop.
    uint64_t Size() const { return size_; }
    // What has been read so far, from the body's start.
    virtual ByteReader Available() const = 0;
    // Makes at least the first min(end, Size()) bytes available; false when
    // reading or inflating fails before that. Damage just past them may go
    // unseen until more is asked for.
    virtual bool Reach(uint64_t end) = 0;
    // Reads the whole body and checks that it ends where it should.
    virtual bool ReachWhole() { return Reach(size_); }

private:
    uint64_t size_;
};

// A body already whole in memory.
class MemoryBodySource : public ThemeBodySource
{
public:
    MemoryBodySource(const uint8_t* data, size_t size)
        : ThemeBodySource(size)
        , data_(data)
    {
    }
    ByteReader Available() const override { return ByteReader(data_, Size()); }
    bool Reach(uint64_t) override { return true; }

private:
    const uint8_t* data_;
};

// A body whose bytes arrive in order into a buffer that grows as needed.
class GrowingBodySource : public ThemeBodySource
{
public:
    using ThemeBodySource::ThemeBodySource;
    ByteReader Available() const override { return ByteReader(buffer_.Data.get(), have_); }
    // The buffer, cut to what has been read; the source is empty afterwards.
    ByteBuffer Take();

protected:
    // How far a read for `end` goes: at least a step past what is there.
    uint64_t TargetFor(uint64_t end) const;
    // Room for `size` bytes, the bytes read so far kept.
    bool MakeRoom(uint64_t size);
    uint8_t* Data() const { return buffer_.Data.get(); }

    size_t have_ = 0;

private:
    ByteBuffer buffer_;
};

// A body stored as it is, read from the source.
class StoredBodySource : public GrowingBodySource
{
public:
    StoredBodySource(ByteSource read, uint64_t size);
    bool Reach(uint64_t end) override;

private:
    ByteSource read_;
};

// A zlib stream of CompressedSize bytes from the source, inflated to a body of
// BodySize bytes.
class InflatingBodySource : public GrowingBodySource
{
public:
    InflatingBodySource(ByteSource read, const ThemeFileHeader& header);
    ~InflatingBodySource() override;
    bool Reach(uint64_t end) override;
    // The stream must also end exactly at BodySize.
    bool ReachWhole() override;

private:
    bool Feed();
    bool Inflate(bool untilEnd);

    ByteSource read_;
    uint64_t inputLeft_;
    std::unique_ptr<uint8_t[]> chunk_;
    z_stream stream_ {};
    bool started_ = false;
    bool ended_ = false;
    // The stream broke: what was inflated before stays, nothing more comes.
    bool failed_ = false;
};
