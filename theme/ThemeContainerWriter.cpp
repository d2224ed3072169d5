// Writing a ".Trivane" file. The theme in memory is never changed: images
// that must go out premultiplied are converted in copies.

#include "ByteWriter.h"
#include "SafeFileWrite.h"
#include "ThemeContainer.h"

#include <zlib.h>

#include <cstdio>
#include <cwchar>
#include <initializer_list>
#include <new>

namespace
{

constexpr int kCompressionLevel = 9;

bool IsWritable(const CThemeEntry* entry)
{
    if (!entry || !entry->Animation || !entry->Animation->Bitmap)
        return false;
    const LMBitmapState& state = *entry->Animation;
    return state.Bitmap->HasPixels() && !state.Name.empty() && state.Name != kPlaceholderStateName;
}

// A bitmap without per-pixel alpha goes out as ColorKeyToAlpha makes it, which
// is premultiplied.
bool GoesOutPremultiplied(const LMBitmap& bitmap)
{
    return !bitmap.HasAlpha || bitmap.Premultiplied;
}

uint64_t ScriptBytes(const CThemeEntry& entry)
{
    return entry.Script ? (std::wcslen(entry.Script.get()) + 1) * 2 : 0;
}

uint64_t PixelBytes(const LMBitmap& bitmap)
{
    return static_cast<uint64_t>(bitmap.Width) * bitmap.Height * 4;
}

uint32_t SoundBytes(const CThemeSound& sound)
{
    return sound.Data && sound.Size > 0 ? static_cast<uint32_t>(sound.Size) : 0;
}

// Every image entry the writer takes, in file order, with what else it needs.
class ThemeWriter
{
public:
    explicit ThemeWriter(const CTheme& theme)
        : theme_(theme)
    {
    }

    bool Build(ThemeFileHeader* header, std::vector<uint8_t>* body);

private:
    template <typename Visit> void ForEachImage(Visit visit) const;
    bool Measure();
    void WriteTexts(ThemeFileHeader* header);
    void WriteRecords();
    void WriteImage(const CThemeEntry& entry, ThemeRecordHead head,
        std::initializer_list<uint32_t> leading, std::initializer_list<uint32_t> trailing = {});
    void WritePixels(const LMBitmap& bitmap);
    void WriteSound(int slot, const CThemeSound& sound);

    const CTheme& theme_;
    ByteWriter out_;
    uint64_t bodySize_ = 0;
    bool premultiplied_ = false;
    uint32_t kinds_ = 0;
};

template <typename Visit> void ThemeWriter::ForEachImage(Visit visit) const
{
    for (const auto& cursor : theme_.Cursors) {
        if (IsWritable(cursor.get()))
            visit(*cursor, kCursorRecordKind);
    }
    for (const auto& effect : theme_.Effects) {
        if (IsWritable(effect.get()))
            visit(*effect, kEffectRecordKind);
    }
    for (const auto& trail : theme_.Trails) {
        if (IsWritable(trail.get()))
            visit(*trail, kTrailRecordKind);
    }
}

// Sizes everything first: one allocation for the body, and no file that the
// reader would refuse.
bool ThemeWriter::Measure()
{
    uint64_t size = 0;
    for (HeapText CTheme::*text : kThemeTextFileOrder) {
        if (const wchar_t* value = (theme_.*text).get())
            size += (std::wcslen(value) + 1) * 2;
    }
    ForEachImage([&](const CThemeEntry& entry, uint32_t kind) {
        uint64_t head = kind == kCursorRecordKind ? sizeof(CursorRecord)
            : kind == kEffectRecordKind           ? sizeof(EffectRecord)
                                                  : sizeof(TrailRecord);
        size += head + ScriptBytes(entry) + PixelBytes(*entry.Animation->Bitmap);
        premultiplied_ = premultiplied_ || GoesOutPremultiplied(*entry.Animation->Bitmap);
    });
    for (const auto& sound : theme_.Sounds) {
        if (sound)
            size += sizeof(SoundRecord) + SoundBytes(*sound);
    }
    bodySize_ = size;
    return size <= kMaxThemeBodySize;
}

void ThemeWriter::WriteTexts(ThemeFileHeader* header)
{
    uint32_t offset = 0;
    for (size_t i = 0; i < kThemeTextCount; ++i) {
        const wchar_t* value = (theme_.*kThemeTextFileOrder[i]).get();
        uint32_t length = value ? static_cast<uint32_t>((std::wcslen(value) + 1) * 2) : 0;
        header->Texts[i] = { offset, length };
        if (value)
            out_.Text(value, std::wcslen(value));
        offset += length;
    }
    header->RecordsOffset = offset;
}

void ThemeWriter::WritePixels(const LMBitmap& bitmap)
{
    std::unique_ptr<LMBitmap> copy;
    const LMBitmap* source = &bitmap;
    if (!bitmap.HasAlpha) {
        copy = std::make_unique<LMBitmap>(bitmap);
        copy->ColorKeyToAlpha();
    } else if (premultiplied_ && !bitmap.Premultiplied) {
        copy = std::make_unique<LMBitmap>(bitmap);
        copy->NoBlend = 0;
        copy->Premultiply();
    }
    if (copy && copy->HasPixels())
        source = copy.get();
    for (int row = source->Height - 1; row >= 0; --row)
        out_.Append(source->Row(row), static_cast<size_t>(source->Width) * 4);
}

// Head, the record's own leading words, the image fields, its own trailing
// words, then script and pixels.
void ThemeWriter::WriteImage(const CThemeEntry& entry, ThemeRecordHead head,
    std::initializer_list<uint32_t> leading, std::initializer_list<uint32_t> trailing)
{
    const LMBitmapState& state = *entry.Animation;
    const LMBitmap& bitmap = *state.Bitmap;
    uint32_t scriptBytes = static_cast<uint32_t>(ScriptBytes(entry));
    ImageFields image {};
    image.Frames = static_cast<uint32_t>(state.FrameCount);
    image.Width = static_cast<uint32_t>(bitmap.Width);
    image.Height = static_cast<uint32_t>(bitmap.Height);
    image.Interval = static_cast<uint32_t>(entry.Interval);
    image.Flags = (entry.Alternate ? kRecordAlternate : 0) | (entry.Loop ? kRecordLoop : 0)
        | (entry.Reverse ? kRecordReverse : 0);
    // The insets are non-zero only after a drop shadow widened the state.
    image.HotSpotX = static_cast<uint32_t>(entry.HotSpotX) + static_cast<uint32_t>(state.InsetLeft);
    image.HotSpotY = static_cast<uint32_t>(entry.HotSpotY) + static_cast<uint32_t>(state.InsetTop);
    image.ScriptOffset = head.HeadSize;
    image.ScriptSize = scriptBytes;
    image.PixelsOffset = head.HeadSize + scriptBytes;
    image.PixelsSize = static_cast<uint32_t>(PixelBytes(bitmap));
    head.TotalSize = head.HeadSize + scriptBytes + image.PixelsSize;
    out_.WordsOf(head);
    for (uint32_t word : leading)
        out_.U32(word);
    out_.WordsOf(image);
    for (uint32_t word : trailing)
        out_.U32(word);
    if (entry.Script)
        out_.Text(entry.Script.get(), std::wcslen(entry.Script.get()));
    WritePixels(bitmap);
    kinds_ |= head.Kind == kCursorRecordKind ? ThemeHasCursors
        : head.Kind == kEffectRecordKind     ? ThemeHasEffects
                                             : ThemeHasTrails;
}

void ThemeWriter::WriteSound(int slot, const CThemeSound& sound)
{
    SoundRecord record {};
    uint32_t size = SoundBytes(sound);
    record.Head = { kSoundRecordKind, sizeof(SoundRecord),
        static_cast<uint32_t>(sizeof(SoundRecord) + size), kSoundRecordVersion };
    record.Slot = static_cast<uint32_t>(slot);
    record.DataOffset = sizeof(SoundRecord);
    record.DataSize = size;
    out_.WordsOf(record);
    out_.Append(sound.Data.get(), size);
    kinds_ |= ThemeHasSounds;
}

bool ThemeWriter::Build(ThemeFileHeader* header, std::vector<uint8_t>* body)
{
    if (!Measure())
        return false;
    out_.Reserve(static_cast<size_t>(bodySize_));
    *header = ThemeFileHeader {};
    WriteTexts(header);
    WriteRecords();
    header->Kind = kThemeFileKind;
    header->HeadSize = sizeof(ThemeFileHeader);
    header->BodySize = static_cast<uint32_t>(out_.Size());
    header->Version = kThemeFileVersion;
    std::snprintf(header->Notice, sizeof(header->Notice), "%s", kThemeFileNotice);
    header->ContentFlags = kinds_;
    header->Reserved116 = 1;
    header->Premultiplied = premultiplied_ ? 1 : 0;
    *body = std::move(out_.Bytes());
    return true;
}

// Cursors in list order, effects by slot, sounds by slot, trails by slot.
void ThemeWriter::WriteRecords()
{
    for (const auto& cursor : theme_.Cursors) {
        if (IsWritable(cursor.get())) {
            WriteImage(*cursor,
                { kCursorRecordKind, sizeof(CursorRecord), 0, kCursorRecordVersion },
                { static_cast<uint32_t>(cursor->Role), static_cast<uint32_t>(cursor->State),
                    cursor->StdCursor == 0 ? 1u : 0u });
        }
    }
    for (const auto& effect : theme_.Effects) {
        if (IsWritable(effect.get()))
            WriteImage(*effect,
                { kEffectRecordKind, sizeof(EffectRecord), 0, kEffectRecordVersion },
                { static_cast<uint32_t>(effect->Slot) });
    }
    for (int slot = 0; slot < kMouseEventCount; ++slot) {
        if (theme_.Sounds[slot])
            WriteSound(slot, *theme_.Sounds[slot]);
    }
    for (const auto& trail : theme_.Trails) {
        if (!IsWritable(trail.get()))
            continue;
        auto perSecond = static_cast<uint32_t>(
            trail->TrailsPerSecond < 1 ? kDefaultTrailsPerSecond : trail->TrailsPerSecond);
        WriteImage(*trail, { kTrailRecordKind, sizeof(TrailRecord), 0, kTrailRecordVersion },
            { static_cast<uint32_t>(trail->Slot) }, { perSecond, 0, 0, 0, 0, 0, 0, 0 });
    }
}

} // namespace

bool BuildThemeFile(const CTheme& theme, ThemeFileHeader* header, std::vector<uint8_t>* body)
{
    try {
        return ThemeWriter(theme).Build(header, body);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

int CTheme::SaveContainer(const wchar_t* path, int compress)
{
    ThemeFileHeader header {};
    std::vector<uint8_t> body;
    if (!BuildThemeFile(*this, &header, &body))
        return 0;
    ByteBuffer packed;
    const uint8_t* bodyOut = body.data();
    size_t bodyOutSize = body.size();
    if (compress) {
        uLongf length = compressBound(static_cast<uLong>(body.size()));
        if (!packed.Allocate(length)
            || compress2(packed.Data.get(), &length, body.data(), static_cast<uLong>(body.size()),
                   kCompressionLevel)
                != Z_OK)
            return 0;
        header.CompressedSize = static_cast<uint32_t>(length);
        bodyOut = packed.Data.get();
        bodyOutSize = length;
    }
    uint8_t headerBytes[sizeof(ThemeFileHeader)];
    WriteThemeFileHeader(header, headerBytes);
    return WriteFileReplacing(
        path, { { headerBytes, sizeof(headerBytes) }, { bodyOut, bodyOutSize } });
}
