// The body of a ".Trivane" file: texts, then records back to back. Every
// offset and size comes from the file and is checked before use; a record
// that does not fit ends the record loop with the entries read so far.

#include "ByteReader.h"
#include "ThemeContainer.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace
{

enum class RecordStep { Next, Stop, End };

struct BodyParser {
    CTheme* Theme;
    const ThemeFileHeader& Header;
    ThemeBodySource& Body;
    bool Preview;
    // Reading the body further failed: the load fails.
    bool Broken = false;
    int32_t KindsMet = 0;
    int EffectsMet = 0;
    int TrailsMet = 0;
    int SoundsMet = 0;
};

// floor(byteCount / 2) UTF-16LE characters, the last one forced to NUL.
HeapText TextFromBytes(const uint8_t* bytes, uint64_t byteCount)
{
    size_t characters = static_cast<size_t>(byteCount / 2);
    HeapText text(new (std::nothrow) wchar_t[characters + 1]);
    if (!text)
        return nullptr;
    for (size_t i = 0; i < characters; ++i)
        text[i] = static_cast<wchar_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    text[characters] = L'\0';
    if (characters > 0)
        text[characters - 1] = L'\0';
    return text;
}

// The bytes [offset, offset + length) of the body, read that far first; null
// when they do not lie inside it, or when reading failed (Broken).
const uint8_t* BodyBytes(BodyParser& parser, uint64_t offset, uint64_t length)
{
    uint64_t size = parser.Body.Size();
    if (offset > size || length > size - offset)
        return nullptr;
    if (!parser.Body.Reach(offset + length)) {
        parser.Broken = true;
        return nullptr;
    }
    return parser.Body.Available().BytesAt(offset, length);
}

bool ReadTexts(BodyParser& parser)
{
    for (size_t i = 0; i < kThemeTextCount; ++i) {
        const ThemeTextSpan& span = parser.Header.Texts[i];
        const uint8_t* bytes = span.Length ? BodyBytes(parser, span.Offset, span.Length) : nullptr;
        if (parser.Broken)
            return false;
        if (bytes)
            parser.Theme->*kThemeTextFileOrder[i] = TextFromBytes(bytes, span.Length);
    }
    return true;
}

int32_t SaneFrameCount(const ImageFields& image)
{
    bool usable = image.Frames >= 1 && image.Frames <= image.Width && image.Frames <= INT32_MAX;
    return usable ? static_cast<int32_t>(image.Frames) : 1;
}

void FillEntry(CThemeEntry& entry, const ImageFields& image)
{
    entry.Frames = SaneFrameCount(image);
    entry.Interval = static_cast<int32_t>(image.Interval);
    entry.Alternate = (image.Flags & kRecordAlternate) ? 1 : 0;
    entry.Reverse = (image.Flags & kRecordReverse) ? 1 : 0;
    entry.HotSpotX = static_cast<int32_t>(image.HotSpotX);
    entry.HotSpotY = static_cast<int32_t>(image.HotSpotY);
}

int EntryFrameFlags(const CThemeEntry& entry)
{
    return LMFrameInterruptible | (entry.Loop ? LMFrameLoop : 0)
        | (entry.Reverse ? LMFrameReverse : 0) | (entry.Alternate ? LMFramePingPong : 0);
}

// The pixels of an image record, or null when the fields do not describe an
// image that lies inside the record past its head.
std::unique_ptr<LMBitmap> ReadPixels(
    const BodyParser& parser, const ImageFields& image, uint32_t headSize, const ByteReader& record)
{
    uint64_t rowBytes = static_cast<uint64_t>(image.Width) * 4;
    if (image.Width < 1 || image.Height < 1 || rowBytes * image.Height != image.PixelsSize
        || image.PixelsOffset < headSize)
        return nullptr;
    const uint8_t* pixels = record.BytesAt(image.PixelsOffset, image.PixelsSize);
    if (!pixels)
        return nullptr;
    int flags = LMBitmapHasAlpha | (parser.Header.Premultiplied ? LMBitmapPremultiplied : 0);
    auto bitmap = std::make_unique<LMBitmap>(
        static_cast<int>(image.Width), static_cast<int>(image.Height), flags);
    if (!bitmap->HasPixels())
        return nullptr;
    // Rows are stored bottom row first, the memory order of the bitmap.
    for (uint32_t row = 0; row < image.Height; ++row) {
        std::memcpy(bitmap->Row(static_cast<int>(image.Height - 1 - row)), pixels + row * rowBytes,
            static_cast<size_t>(rowBytes));
    }
    return bitmap;
}

// Script and pixels of a record become the entry's Script and Animation.
void ReadImage(const BodyParser& parser, CThemeEntry& entry, const ImageFields& image,
    uint32_t headSize, const ByteReader& record, const wchar_t* stateName)
{
    uint64_t scriptBytes = image.ScriptSize & ~1u;
    if (scriptBytes != 0 && image.ScriptOffset >= headSize) {
        if (const uint8_t* script = record.BytesAt(image.ScriptOffset, scriptBytes))
            entry.Script = TextFromBytes(script, scriptBytes);
    }
    if (image.PixelsSize == 0)
        return;
    if (auto bitmap = ReadPixels(parser, image, headSize, record))
        entry.SetUpAnimation(std::move(bitmap), stateName, EntryFrameFlags(entry), true);
}

RecordStep ReadCursor(BodyParser& parser, const ThemeRecordHead& head, const ByteReader& record)
{
    if (head.Version == kCursorRecordVersion) {
        CursorRecord fields {};
        if (!record.WordsAt(0, &fields))
            return RecordStep::End;
        auto cursor = std::make_unique<CThemeCursor>();
        cursor->Role = static_cast<int32_t>(fields.Role);
        cursor->State = static_cast<int32_t>(fields.State);
        cursor->Group = kThemeCursorGroup;
        cursor->StdCursor = fields.Custom == 0 ? 1 : 0;
        FillEntry(*cursor, fields.Image);
        bool storesLoop = parser.Header.Version >= kThemeFileLoopFlagVersion;
        cursor->Loop = storesLoop ? ((fields.Image.Flags & kRecordLoop) ? 1 : 0) : 1;
        wchar_t name[32];
        std::swprintf(name, 32, L"%lu-%lu", static_cast<unsigned long>(fields.Role),
            static_cast<unsigned long>(fields.State));
        ReadImage(parser, *cursor, fields.Image, sizeof(CursorRecord), record, name);
        parser.Theme->AddCursor(std::move(cursor));
    }
    parser.KindsMet |= ThemeHasCursors;
    return parser.Preview ? RecordStep::Stop : RecordStep::Next;
}

// In preview mode reading goes on only while the header promises what is sought.
RecordStep AfterPreviewable(const BodyParser& parser, int32_t goOnWhen)
{
    bool stop = parser.Preview && !(parser.Header.ContentFlags & static_cast<uint32_t>(goOnWhen));
    return stop ? RecordStep::Stop : RecordStep::Next;
}

RecordStep ReadEffect(BodyParser& parser, const ThemeRecordHead& head, const ByteReader& record)
{
    if (head.Version == kEffectRecordVersion) {
        EffectRecord fields {};
        if (!record.WordsAt(0, &fields))
            return RecordStep::End;
        if (!(parser.Preview && parser.EffectsMet > 0)) {
            auto effect = std::make_unique<CThemeEffect>();
            effect->Slot = static_cast<int32_t>(fields.Slot);
            FillEntry(*effect, fields.Image);
            ReadImage(parser, *effect, fields.Image, sizeof(EffectRecord), record, L"Default");
            if (fields.Slot < kMouseEventCount)
                parser.Theme->SetEffect(static_cast<int>(fields.Slot), std::move(effect));
        }
    }
    parser.KindsMet |= ThemeHasEffects;
    ++parser.EffectsMet;
    return AfterPreviewable(parser, ThemeHasCursors);
}

// A version-2 trail record has the head of an effect record.
bool ReadTrailFields(const ByteReader& record, bool current, TrailRecord* fields)
{
    if (current)
        return record.WordsAt(0, fields);
    EffectRecord old {};
    if (!record.WordsAt(0, &old))
        return false;
    fields->Head = old.Head;
    fields->Slot = old.Slot;
    fields->Image = old.Image;
    return true;
}

RecordStep ReadTrail(BodyParser& parser, const ThemeRecordHead& head, const ByteReader& record)
{
    bool current = head.Version == kTrailRecordVersion;
    if (current || head.Version == kOldTrailRecordVersion) {
        TrailRecord fields {};
        if (!ReadTrailFields(record, current, &fields))
            return RecordStep::End;
        if (!(parser.Preview && parser.TrailsMet > 0)) {
            auto trail = std::make_unique<CThemeTrail>();
            trail->Slot = static_cast<int32_t>(fields.Slot);
            if (current && fields.TrailsPerSecond != 0)
                trail->TrailsPerSecond = static_cast<int32_t>(fields.TrailsPerSecond);
            FillEntry(*trail, fields.Image);
            uint32_t headSize = current ? sizeof(TrailRecord) : kOldTrailRecordHeadSize;
            ReadImage(parser, *trail, fields.Image, headSize, record, L"Default");
            if (fields.Slot < kTrailSlotCount)
                parser.Theme->SetTrail(static_cast<int>(fields.Slot), std::move(trail));
        }
    } else {
        parser.Theme->WarnUnsupported();
    }
    parser.KindsMet |= ThemeHasTrails;
    ++parser.TrailsMet;
    return AfterPreviewable(parser, ThemeHasCursors);
}

RecordStep ReadSound(BodyParser& parser, const ThemeRecordHead& head, const ByteReader& record)
{
    if (head.Version == kSoundRecordVersion) {
        SoundRecord fields {};
        if (!record.WordsAt(0, &fields))
            return RecordStep::End;
        const uint8_t* data = fields.DataOffset >= sizeof(SoundRecord)
            ? record.BytesAt(fields.DataOffset, fields.DataSize)
            : nullptr;
        bool wanted = !(parser.Preview && parser.SoundsMet > 0);
        if (wanted && data && fields.DataSize != 0 && fields.Slot < kMouseEventCount) {
            auto sound = std::make_unique<CThemeSound>();
            if (sound->Assign(data, fields.DataSize))
                parser.Theme->Sounds[fields.Slot] = std::move(sound);
        }
    }
    parser.KindsMet |= ThemeHasSounds;
    ++parser.SoundsMet;
    return AfterPreviewable(parser, ThemeHasSounds);
}

RecordStep ReadRecord(BodyParser& parser, const ThemeRecordHead& head, const ByteReader& record)
{
    switch (head.Kind) {
    case kCursorRecordKind:
        return ReadCursor(parser, head, record);
    case kEffectRecordKind:
        return ReadEffect(parser, head, record);
    case kTrailRecordKind:
        return ReadTrail(parser, head, record);
    case kSoundRecordKind:
        return ReadSound(parser, head, record);
    default:
        return RecordStep::Next; // another kind: stepped over, not counted
    }
}

// Each record is read only once it lies whole in what has been read.
void ReadRecords(BodyParser& parser)
{
    uint64_t position = parser.Header.RecordsOffset;
    while (position < parser.Body.Size()) {
        ThemeRecordHead head {};
        const uint8_t* headBytes = BodyBytes(parser, position, sizeof(head));
        if (!headBytes || !ByteReader(headBytes, sizeof(head)).WordsAt(0, &head)
            || head.TotalSize < sizeof(ThemeRecordHead))
            break;
        const uint8_t* recordBytes = BodyBytes(parser, position, head.TotalSize);
        if (!recordBytes)
            break;
        ByteReader record(recordBytes, head.TotalSize);
        if (ReadRecord(parser, head, record) != RecordStep::Next)
            break;
        position += head.TotalSize;
    }
}

} // namespace

int ParseThemeBodyFrom(
    CTheme* theme, const ThemeFileHeader& header, ThemeBodySource& body, int preview)
{
    BodyParser parser { theme, header, body, preview != 0 };
    if (ReadTexts(parser))
        ReadRecords(parser);
    if (parser.Broken)
        return 0;
    theme->ContentFlags = parser.KindsMet;
    return 1;
}

int ParseThemeBody(
    CTheme* theme, const ThemeFileHeader& header, const uint8_t* body, size_t size, int preview)
{
    MemoryBodySource whole(body, size);
    return ParseThemeBodyFrom(theme, header, whole, preview);
}
