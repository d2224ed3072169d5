#pragma once
// The ".Trivane" container: a 184-byte header, then a body (stored or zlib
// compressed) of six UTF-16LE texts and records of cursors, effects, trails
// and sounds. All integers are uint32 little-endian; offsets in a header or
// record count from its start, text and record offsets from the body start.

#include <cstddef>
#include <cstdint>

constexpr uint32_t kThemeFileKind = 1;
constexpr uint32_t kThemeFileVersion = 2002;
constexpr uint32_t kThemeFileOldestVersion = 2000;
constexpr uint32_t kThemeFilePeekOldestVersion = 2001;
// From this version on a cursor's Loop flag is stored; older cursors loop.
constexpr uint32_t kThemeFileLoopFlagVersion = 2002;

constexpr size_t kThemeTextCount = 6;
constexpr size_t kThemeNoticeBytes = 88;
constexpr const char* kThemeFileNotice = "Trivane pointer theme file";

// Limits on untrusted sizes; zlib never expands more than about 1032:1.
constexpr uint64_t kMaxThemeBodySize = 256u * 1024 * 1024;
constexpr uint64_t kMaxInflateRatio = 1032;

struct ThemeTextSpan {
    uint32_t Offset;
    uint32_t Length; // bytes with the NUL; 0 = absent
};

// Texts in file order: Name, Author, Version, Website, Email, Description.
struct ThemeFileHeader {
    uint32_t Kind;
    uint32_t HeadSize;
    uint32_t BodySize;
    uint32_t Version;
    char Notice[kThemeNoticeBytes];
    uint32_t ContentFlags;
    uint32_t Reserved108;
    uint32_t Reserved112;
    uint32_t Reserved116; // written as 1
    uint32_t CompressedSize; // 0: stored
    uint32_t Reserved124;
    uint32_t Premultiplied;
    ThemeTextSpan Texts[kThemeTextCount];
    uint32_t RecordsOffset;
};
static_assert(sizeof(ThemeFileHeader) == 184, "the container header is 184 bytes");
static_assert(offsetof(ThemeFileHeader, Notice) == 16, "notice at 16");
static_assert(offsetof(ThemeFileHeader, ContentFlags) == 104, "content flags at 104");
static_assert(offsetof(ThemeFileHeader, CompressedSize) == 120, "compressed size at 120");
static_assert(offsetof(ThemeFileHeader, Premultiplied) == 128, "premultiplied at 128");
static_assert(offsetof(ThemeFileHeader, Texts) == 132, "texts at 132");
static_assert(offsetof(ThemeFileHeader, RecordsOffset) == 180, "records offset at 180");

// Record kinds.
constexpr uint32_t kCursorRecordKind = 2;
constexpr uint32_t kEffectRecordKind = 4;
constexpr uint32_t kTrailRecordKind = 8;
constexpr uint32_t kSoundRecordKind = 16;

// Record versions the reader knows.
constexpr uint32_t kCursorRecordVersion = 2;
constexpr uint32_t kEffectRecordVersion = 2;
constexpr uint32_t kTrailRecordVersion = 3;
constexpr uint32_t kOldTrailRecordVersion = 2;
constexpr uint32_t kSoundRecordVersion = 1;

// Image record Flags.
constexpr uint32_t kRecordAlternate = 1;
constexpr uint32_t kRecordLoop = 2;
constexpr uint32_t kRecordReverse = 4;

struct ThemeRecordHead {
    uint32_t Kind;
    uint32_t HeadSize;
    uint32_t TotalSize; // the whole record, head included
    uint32_t Version;
};
static_assert(sizeof(ThemeRecordHead) == 16, "record head is 16 bytes");

// The fields every image record has after its own leading fields.
struct ImageFields {
    uint32_t Frames;
    uint32_t Width; // of the whole strip
    uint32_t Height;
    uint32_t Interval;
    uint32_t Flags;
    uint32_t Reserved;
    uint32_t HotSpotX;
    uint32_t HotSpotY;
    uint32_t PixelsOffset;
    uint32_t PixelsSize;
    uint32_t ScriptOffset;
    uint32_t ScriptSize; // bytes with the NUL; 0 = no script
};
static_assert(sizeof(ImageFields) == 48, "twelve words");

struct CursorRecord {
    ThemeRecordHead Head;
    uint32_t Role;
    uint32_t State;
    uint32_t Custom; // 1 when the entry's StdCursor is 0
    ImageFields Image;
};
static_assert(sizeof(CursorRecord) == 76, "cursor record head is 76 bytes");
static_assert(offsetof(CursorRecord, Image) == 28, "cursor frames at 28");

struct EffectRecord {
    ThemeRecordHead Head;
    uint32_t Slot;
    ImageFields Image;
};
static_assert(sizeof(EffectRecord) == 68, "effect record head is 68 bytes");
static_assert(offsetof(EffectRecord, Image) == 20, "effect frames at 20");

struct TrailRecord {
    ThemeRecordHead Head;
    uint32_t Slot;
    ImageFields Image;
    uint32_t TrailsPerSecond;
    uint32_t Reserved[7];
};
static_assert(sizeof(TrailRecord) == 100, "trail record head is 100 bytes");
static_assert(offsetof(TrailRecord, TrailsPerSecond) == 68, "trails per second at 68");

// A version-2 trail record ends where an effect record does.
constexpr uint32_t kOldTrailRecordHeadSize = sizeof(EffectRecord);

struct SoundRecord {
    ThemeRecordHead Head;
    uint32_t Slot;
    uint32_t DataOffset;
    uint32_t DataSize;
};
static_assert(sizeof(SoundRecord) == 28, "sound record head is 28 bytes");
