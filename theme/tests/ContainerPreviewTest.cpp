// A preview reads a body only as far as its records go: a large theme costs
// no more than a small one, and damage before that point still fails cleanly.

#include "ContainerBytes.h"
#include "PreviewEquivalence.h"
#include "ThemeContainer.h"
#include "ThemeTestSupport.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <cstring>

namespace
{

constexpr size_t kLargeSound = 5 * 1024 * 1024;
// A deflate block header of the reserved type 3: inflate stops there with an error.
constexpr char kBrokenBlock = 0x07;

std::string NoiseBytes(size_t size)
{
    std::string bytes(size, '\0');
    uint32_t state = 2002;
    for (char& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

// A theme whose first record is a small cursor and whose second is a sound
// of `soundBytes` bytes.
ContainerLayout CursorThenSound(size_t firstWidth, size_t soundBytes)
{
    ImageRecordPlan cursor;
    cursor.Width = static_cast<uint32_t>(firstWidth);
    cursor.Height = 8;
    cursor.Pixels = PatternPixels(cursor.Width, cursor.Height, 7);
    ContainerPlan plan;
    plan.Texts[0] = L"Large";
    plan.ContentFlags = ThemeHasCursors | ThemeHasSounds;
    plan.Records = { ImageRecord(cursor), SoundRecordBytes(3, NoiseBytes(soundBytes)) };
    return BuildContainer(plan);
}

// The first `clean` bytes of the body deflated and flushed to a byte boundary,
// then the rest deflated, or a broken block, or nothing (the stream ends).
enum class Tail { Rest, Broken, Ends };

std::string Deflated(const std::string& body, size_t clean, Tail tail)
{
    z_stream stream {};
    deflateInit(&stream, 9);
    std::string out(compressBound(static_cast<uLong>(body.size())) + 64, '\0');
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    auto feed = [&](size_t from, size_t size, int flush) {
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.data() + from));
        stream.avail_in = static_cast<uInt>(size);
        deflate(&stream, flush);
    };
    feed(0, clean, tail == Tail::Ends ? Z_FINISH : Z_FULL_FLUSH);
    if (tail == Tail::Rest)
        feed(clean, body.size() - clean, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (tail == Tail::Broken)
        out += std::string(1, kBrokenBlock) + std::string(64, 'x');
    return out;
}

// The layout's header with a compressed body of our own.
std::string WithStream(const ContainerLayout& layout, const std::string& stream)
{
    std::string file = layout.File.substr(0, 184);
    PutU32(&file, 120, static_cast<uint32_t>(stream.size()));
    return file + stream;
}

size_t FirstRecordEnd(const ContainerLayout& layout)
{
    return layout.RecordOffsets.at(1);
}

} // namespace

TEST(ContainerPreview, ALargeBodyIsReadOnlyAsFarAsTheFirstCursor)
{
    ContainerLayout layout = CursorThenSound(8, kLargeSound);
    const std::string& body = layout.Body;
    std::string packed = Deflated(body, body.size(), Tail::Rest);
    ThemeFileHeader header {};
    ASSERT_TRUE(ReadThemeFileHeader(
        reinterpret_cast<const uint8_t*>(layout.File.data()), layout.File.size(), &header));
    header.CompressedSize = static_cast<uint32_t>(packed.size());
    for (bool compressed : { false, true }) {
        SCOPED_TRACE(compressed ? "compressed" : "stored");
        const std::string& input = compressed ? packed : body;
        size_t position = 0;
        ByteSource read = [&](uint8_t* data, size_t size) {
            if (size > input.size() - position)
                return false;
            std::memcpy(data, input.data() + position, size);
            position += size;
            return true;
        };
        std::unique_ptr<ThemeBodySource> source;
        if (compressed)
            source = std::make_unique<InflatingBodySource>(read, header);
        else
            source = std::make_unique<StoredBodySource>(read, body.size());
        CTheme theme;
        ASSERT_EQ(1, ParseThemeBodyFrom(&theme, header, *source, 1));
        EXPECT_EQ(1, theme.CursorCount());
        EXPECT_EQ(nullptr, theme.GetSound(3));
        EXPECT_LE(source->Available().Size(), FirstRecordEnd(layout) + kThemeBodyStep);
        EXPECT_LE(position, FirstRecordEnd(layout) + 2 * kThemeBodyStep) << "bytes read";
    }
}

TEST(ContainerPreview, DamageFailsCleanlyOnlyBeforeThePreviewStops)
{
    ContainerLayout small = CursorThenSound(8, 256 * 1024);
    // A first record larger than one read step.
    ContainerLayout wide = CursorThenSound(4096, 1024);
    ContainerLayout huge = CursorThenSound(8, 16);
    std::string hugeStored = huge.File.substr(0, 200);
    PutU32(&hugeStored, 8, 256u * 1024 * 1024);
    std::string hugeCompressed = WithStream(huge, Deflated(huge.Body, 16, Tail::Ends));
    PutU32(&hugeCompressed, 8, 256u * 1024 * 1024);
    size_t stop = FirstRecordEnd(small);
    const std::string& body = small.Body;
    struct Case {
        const char* Name;
        std::string File;
        int Preview;
        int Full;
    };
    const Case cases[] = {
        { "a first record past one read step", wide.File, 1, 1 },
        { "broken at the start", WithStream(small, Deflated(body, 0, Tail::Broken)), 0, 0 },
        { "broken inside the first record", WithStream(small, Deflated(body, 100, Tail::Broken)), 0,
            0 },
        { "broken far past the first record",
            WithStream(small, Deflated(body, stop + 2 * kThemeBodyStep, Tail::Broken)), 1, 0 },
        { "ends inside the first record", WithStream(small, Deflated(body, stop - 1, Tail::Ends)),
            0, 0 },
        { "ends far past the first record",
            WithStream(small, Deflated(body, stop + 2 * kThemeBodyStep, Tail::Ends)), 1, 0 },
        { "cut inside the first record",
            WithStream(small, Deflated(body, body.size(), Tail::Rest).substr(0, 50)), 0, 0 },
        { "256 MiB stored in 200 bytes", hugeStored, 1, 1 },
        { "256 MiB compressed in 200 bytes", hugeCompressed, 0, 0 },
    };
    TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        std::wstring path = WriteTestFile(folder, L"p.trivane", c.File);
        CTheme previewed;
        previewed.Author = DuplicateText(L"kept");
        int result = previewed.Load(path.c_str(), 1);
        EXPECT_EQ(c.Preview, result);
        if (result == 0) {
            EXPECT_EQ(nullptr, previewed.Name.get()) << "nothing half-made";
            EXPECT_EQ(0, previewed.CursorCount());
            EXPECT_STREQ(L"kept", previewed.Author.get());
        } else {
            previewed.Author.reset();
            ExpectPreviewLikeWholeParse(c.File, L"p", previewed, result);
        }
        CTheme full;
        EXPECT_EQ(c.Full, full.Load(path.c_str(), 0));
    }
}
