#include "PreviewEquivalence.h"

#include "ThemeContainer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

namespace
{

uint32_t Checksum(const uint8_t* bytes, size_t size)
{
    uint32_t hash = 2166136261u;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ bytes[i]) * 16777619u;
    return hash;
}

void DescribeText(std::ostream& out, const HeapText& text)
{
    out << '"';
    for (const wchar_t* c = text.get(); c && *c; ++c)
        out << static_cast<unsigned>(*c) << ' ';
    out << (text ? "\"" : "\" absent") << '\n';
}

void DescribeEntry(std::ostream& out, const CThemeEntry& entry)
{
    out << entry.Frames << ' ' << entry.Interval << ' ' << entry.Alternate << entry.Reverse
        << entry.Loop << ' ' << entry.HotSpotX << ',' << entry.HotSpotY << " script ";
    DescribeText(out, entry.Script);
    const LMBitmapState* state = entry.Animation.get();
    if (!state) {
        out << "  no animation\n";
        return;
    }
    out << "  state " << state->FrameCount << ' ' << state->FrameFlags << ' ' << state->OffsetX
        << ',' << state->OffsetY << " steps " << state->ScriptStepCount();
    for (const wchar_t c : state->Name)
        out << ' ' << static_cast<unsigned>(c);
    if (const LMBitmap* bitmap = state->Bitmap) {
        out << " bitmap " << bitmap->Width << 'x' << bitmap->Height << ' ' << bitmap->Premultiplied
            << ' '
            << Checksum(reinterpret_cast<const uint8_t*>(bitmap->Row(bitmap->Height - 1)),
                   static_cast<size_t>(bitmap->Width) * bitmap->Height * 4);
    }
    out << '\n';
}

} // namespace

std::string DescribeTheme(const CTheme& theme)
{
    std::ostringstream out;
    out << "content " << theme.ContentFlags << '\n';
    for (const HeapText* text : { &theme.Name, &theme.Author, &theme.Version, &theme.Website,
             &theme.Email, &theme.Description })
        DescribeText(out, *text);
    for (const auto& cursor : theme.Cursors) {
        out << "cursor " << cursor->Role << ' ' << cursor->State << ' ' << cursor->Group << ' '
            << cursor->StdCursor << ' ';
        DescribeEntry(out, *cursor);
    }
    for (size_t i = 0; i < theme.Effects.size(); ++i) {
        if (theme.Effects[i]) {
            out << "effect " << i << ' ' << theme.Effects[i]->Slot << ' ';
            DescribeEntry(out, *theme.Effects[i]);
        }
    }
    for (size_t i = 0; i < theme.Trails.size(); ++i) {
        if (theme.Trails[i]) {
            out << "trail " << i << ' ' << theme.Trails[i]->TrailsPerSecond << ' ';
            DescribeEntry(out, *theme.Trails[i]);
        }
    }
    for (size_t i = 0; i < theme.Sounds.size(); ++i) {
        if (const CThemeSound* sound = theme.Sounds[i].get())
            out << "sound " << i << ' ' << sound->Size << ' '
                << Checksum(sound->Data.get(), static_cast<size_t>(sound->Size)) << '\n';
    }
    return out.str();
}

void ExpectPreviewLikeWholeParse(
    const std::string& bytes, const wchar_t* fileTitle, const CTheme& previewed, int result)
{
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    ThemeFileHeader header {};
    uint64_t readSize = 0;
    bool readable = ReadThemeFileHeader(data, bytes.size(), &header)
        && header.Version >= kThemeFileOldestVersion && header.Version <= kThemeFileVersion
        && ThemeBodyReadSize(header, bytes.size() - sizeof(header), &readSize);
    if (!readable) {
        EXPECT_EQ(0, result) << "a file the reader refuses";
        return;
    }
    ByteBuffer packed;
    ByteBuffer body;
    ASSERT_TRUE(packed.Allocate(readSize));
    std::memcpy(packed.Data.get(), data + sizeof(header), static_cast<size_t>(readSize));
    if (!UnpackThemeBody(header, std::move(packed), &body))
        return;
    CTheme whole;
    ASSERT_EQ(1, ParseThemeBody(&whole, header, body.Data.get(), body.Size, 1));
    if (!whole.Name || whole.Name[0] == L'\0')
        whole.Name = DuplicateText(fileTitle);
    EXPECT_EQ(1, result);
    EXPECT_EQ(DescribeTheme(whole), DescribeTheme(previewed));
}
