// Variants of one valid file, cut, flipped and with every size field at its
// edge values: each load ends with 0 or 1 and only content bits, and the body
// parser never reads past the body.

#include "ChildProcess.h"
#include "ContainerBytes.h"
#include "GuardedMemory.h"
#include "MessageBoxRecorder.h"
#include "PreviewEquivalence.h"
#include "ThemeContainer.h"
#include "ThemeTestSupport.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <cstring>
#include <random>
#include <tuple>

namespace
{

constexpr uint32_t kEdgeValues[] = { 0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF };
constexpr int kByteFlips = 2000;
constexpr int kFlipShards = 4;

ImageRecordPlan Picture(uint32_t kind, uint32_t version, uint32_t key)
{
    ImageRecordPlan plan;
    plan.Kind = kind;
    plan.Version = version;
    plan.Role = key;
    plan.Slot = key;
    plan.Frames = 2;
    plan.Width = 4;
    plan.Height = 2;
    plan.Flags = 7;
    plan.HotSpotX = 1;
    plan.Pixels = PatternPixels(4, 2, static_cast<uint8_t>(kind + key));
    return plan;
}

ContainerPlan FullPlan(bool compressed)
{
    ContainerPlan plan;
    plan.Texts = { L"Mutant", L"Tester", std::nullopt, L"w", std::nullopt, L"One\r\nTwo" };
    plan.ContentFlags = 15;
    plan.Compressed = compressed;
    ImageRecordPlan cursor = Picture(2, 2, 4);
    cursor.Script = L"repeat 2\r\n1-2,30\r\nend repeat";
    plan.Records = { ImageRecord(cursor), ImageRecord(Picture(4, 2, 1)),
        ImageRecord(Picture(8, 3, 2)), SoundRecordBytes(6, "RIFF0123456789") };
    return plan;
}

// Record-head field offsets to try in each record of FullPlan.
const uint32_t kRecordHeadSizes[] = { 76, 68, 100, 28 };

class Mutations
{
public:
    explicit Mutations(bool compressed)
        : layout_(BuildContainer(FullPlan(compressed)))
        , compressed_(compressed)
        , path_(folder_.File(L"m.trivane"))
        , watchdog_(std::chrono::seconds(5))
    {
    }

    const ContainerLayout& Layout() const { return layout_; }

    // The file with a new body: the same header, the body stored or recompressed.
    std::string WithBody(const std::string& body) const
    {
        std::string header = layout_.File.substr(0, 184);
        if (!compressed_)
            return header + body;
        uLongf length = compressBound(static_cast<uLong>(body.size()));
        std::string packed(length, '\0');
        compress2(reinterpret_cast<Bytef*>(packed.data()), &length,
            reinterpret_cast<const Bytef*>(body.data()), static_cast<uLong>(body.size()), 9);
        packed.resize(length);
        PutU32(&header, 120, static_cast<uint32_t>(length));
        return header + packed;
    }

    void Check(const std::string& bytes, const std::string& what)
    {
        SCOPED_TRACE(what);
        guarded_.Describe(what);
        watchdog_.Start(what);
        WriteBytesToFile(path_, bytes.data(), bytes.size());
        for (int preview : { 0, 1 }) {
            CTheme theme;
            int result = theme.Load(path_.c_str(), preview);
            EXPECT_TRUE(result == 0 || result == 1) << result;
            EXPECT_EQ(0, theme.ContentFlags & ~0xF) << theme.ContentFlags;
            if (preview)
                ExpectPreviewLikeWholeParse(bytes, L"m", theme, result);
            ParseGuarded(bytes, preview);
        }
        watchdog_.Stop();
    }

private:
    // The body as the reader would get it, ending at a no-access page.
    void ParseGuarded(const std::string& bytes, int preview)
    {
        ThemeFileHeader header {};
        const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
        uint64_t readSize = 0;
        if (!ReadThemeFileHeader(data, bytes.size(), &header)
            || !ThemeBodyReadSize(header, bytes.size() - 184, &readSize))
            return;
        ByteBuffer packed;
        ByteBuffer body;
        ASSERT_TRUE(packed.Allocate(readSize));
        std::memcpy(packed.Data.get(), data + 184, static_cast<size_t>(readSize));
        if (!UnpackThemeBody(header, std::move(packed), &body))
            return;
        const uint8_t* placed = guarded_.Place(body.Data.get(), body.Size);
        CTheme theme;
        EXPECT_EQ(1, ParseThemeBody(&theme, header, placed, body.Size, preview));
        EXPECT_EQ(0, theme.ContentFlags & ~0xF) << theme.ContentFlags;
    }

    TempFolder folder_;
    ContainerLayout layout_;
    bool compressed_;
    std::wstring path_;
    MessageBoxRecorder boxes_;
    GuardedBuffer guarded_;
    Watchdog watchdog_;
};

std::string Name(bool compressed, const char* kind, size_t where, uint32_t value = 0)
{
    return std::string(compressed ? "compressed " : "stored ") + kind + " at "
        + std::to_string(where) + " value " + std::to_string(value);
}

} // namespace

class ContainerMutation : public ::testing::TestWithParam<bool>
{
};

TEST_P(ContainerMutation, EveryTruncation)
{
    Mutations mutations(GetParam());
    const std::string& file = mutations.Layout().File;
    for (size_t size = 0; size < file.size() && !HasFailure(); ++size)
        mutations.Check(file.substr(0, size), Name(GetParam(), "cut", size));
}

// The flips run in shards, so the test runner can spread them.
class ContainerByteFlips : public ::testing::TestWithParam<std::tuple<bool, int>>
{
};

TEST_P(ContainerByteFlips, SeededByteFlips)
{
    bool compressed = std::get<0>(GetParam());
    int shard = std::get<1>(GetParam());
    Mutations mutations(compressed);
    const std::string& file = mutations.Layout().File;
    std::mt19937 random(static_cast<uint32_t>((compressed ? 1976 : 2002) + shard));
    for (int i = 0; i < kByteFlips / kFlipShards && !HasFailure(); ++i) {
        std::string bytes = file;
        size_t at = random() % bytes.size();
        auto flip = static_cast<uint8_t>(1 + random() % 255);
        bytes[at] = static_cast<char>(bytes[at] ^ flip);
        mutations.Check(bytes, Name(compressed, "flip", at, flip));
    }
}

INSTANTIATE_TEST_SUITE_P(Shards, ContainerByteFlips,
    ::testing::Combine(::testing::Bool(), ::testing::Range(0, kFlipShards)),
    [](const ::testing::TestParamInfo<std::tuple<bool, int>>& param) {
        return std::string(std::get<0>(param.param) ? "Compressed" : "Stored")
            + std::to_string(std::get<1>(param.param));
    });

TEST_P(ContainerMutation, HeaderFieldsAtEdgeValues)
{
    Mutations mutations(GetParam());
    std::vector<size_t> fields = { 0, 4, 8, 12 };
    for (size_t at = 104; at < 184; at += 4)
        fields.push_back(at);
    for (size_t at : fields) {
        for (uint32_t value : kEdgeValues) {
            std::string bytes = mutations.Layout().File;
            PutU32(&bytes, at, value);
            mutations.Check(bytes, Name(GetParam(), "header field", at, value));
        }
    }
}

TEST_P(ContainerMutation, RecordHeadFieldsAtEdgeValues)
{
    Mutations mutations(GetParam());
    const ContainerLayout& layout = mutations.Layout();
    ASSERT_EQ(4u, layout.RecordOffsets.size());
    for (size_t record = 0; record < 4; ++record) {
        for (uint32_t field = 0; field < kRecordHeadSizes[record]; field += 4) {
            for (uint32_t value : kEdgeValues) {
                std::string body = layout.Body;
                PutU32(&body, layout.RecordOffsets[record] + field, value);
                mutations.Check(mutations.WithBody(body),
                    Name(GetParam(), "record field", record * 1000 + field, value));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(StoredAndCompressed, ContainerMutation, ::testing::Bool(),
    [](const ::testing::TestParamInfo<bool>& param) {
        return std::string(param.param ? "Compressed" : "Stored");
    });

TEST(ContainerMutation, TheUnmutatedFileLoadsWhole)
{
    for (bool compressed : { false, true }) {
        SCOPED_TRACE(compressed);
        TempFolder folder;
        std::wstring path
            = WriteTestFile(folder, L"m.trivane", BuildContainer(FullPlan(compressed)).File);
        CTheme theme;
        ASSERT_EQ(1, theme.Load(path.c_str(), 0));
        EXPECT_EQ(15, theme.ContentFlags);
        EXPECT_STREQ(L"Mutant", theme.Name.get());
        ASSERT_NE(nullptr, theme.FindCursor(4, 1, 1));
        EXPECT_EQ(3, theme.FindCursor(4, 1, 1)->Animation->ScriptStepCount());
        EXPECT_NE(nullptr, theme.GetEffect(1));
        EXPECT_NE(nullptr, theme.GetTrail(2));
        EXPECT_NE(nullptr, theme.GetSound(6));
    }
}

// The guard page really faults: a read one byte past placed bytes ends the
// child through the fault report.
TRIVANE_CHILD(ReadPastGuardedBytes)
{
    GuardedBuffer guarded;
    guarded.Describe("deliberate read past the end");
    const char bytes[] = "abc";
    const volatile uint8_t* placed = guarded.Place(bytes, 3);
    return placed[3];
}

TEST(ContainerMutation, TheNoAccessPageFaults)
{
    ChildResult child = RunChild("ReadPastGuardedBytes");
    EXPECT_EQ(3u, child.ExitCode);
}
