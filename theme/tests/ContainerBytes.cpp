#include "ContainerBytes.h"

#include <zlib.h>

void PutU32(std::string* bytes, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        (*bytes)[offset + i] = static_cast<char>(value >> (8 * i));
}

uint32_t GetU32(const std::string& bytes, size_t offset)
{
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes.at(offset + i))) << (8 * i);
    return value;
}

void AppendU32(std::string* bytes, uint32_t value)
{
    bytes->append(4, '\0');
    PutU32(bytes, bytes->size() - 4, value);
}

std::string Utf16Bytes(const std::wstring& text)
{
    std::string bytes;
    for (wchar_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>((c >> 8) & 0xFF));
    }
    bytes.append(2, '\0');
    return bytes;
}

uint32_t ImageRecordHeadSize(const ImageRecordSpec& spec)
{
    if (spec.Kind == 2)
        return 76;
    return spec.Kind == 8 && spec.Version == 3 ? 100 : 68;
}

std::string ImageRecord(const ImageRecordSpec& spec)
{
    uint32_t head = ImageRecordHeadSize(spec);
    std::string script = spec.Script ? Utf16Bytes(*spec.Script) : std::string();
    auto scriptSize = static_cast<uint32_t>(script.size());
    auto pixelsSize = static_cast<uint32_t>(spec.Pixels.size());
    std::string record;
    for (uint32_t word : { spec.Kind, head, head + scriptSize + pixelsSize, spec.Version })
        AppendU32(&record, word);
    if (spec.Kind == 2) {
        for (uint32_t word : { spec.Role, spec.State, spec.Custom })
            AppendU32(&record, word);
    } else {
        AppendU32(&record, spec.Slot);
    }
    for (uint32_t word : { spec.Frames, spec.Width, spec.Height, spec.Interval, spec.Flags, 0u,
             spec.HotSpotX, spec.HotSpotY, head + scriptSize, pixelsSize, head, scriptSize })
        AppendU32(&record, word);
    if (head == 100) {
        AppendU32(&record, spec.TrailsPerSecond);
        record.append(28, '\0');
    }
    return record + script + spec.Pixels;
}

std::string SoundRecordBytes(uint32_t slot, const std::string& data, uint32_t version)
{
    std::string record;
    auto size = static_cast<uint32_t>(data.size());
    for (uint32_t word : { 16u, 28u, 28u + size, version, slot, 28u, size })
        AppendU32(&record, word);
    return record + data;
}

std::string OpaqueRecord(uint32_t kind, uint32_t version, uint32_t extra)
{
    std::string record;
    for (uint32_t word : { kind, 16u, 16u + extra, version })
        AppendU32(&record, word);
    return record + std::string(extra, '\0');
}

std::string ContainerFile(const ContainerSpec& spec, const std::string& body,
    uint32_t recordsOffset, const std::array<uint32_t, 12>& textSpans)
{
    std::string stored = body;
    uint32_t compressedSize = 0;
    if (spec.Compressed) {
        uLongf length = compressBound(static_cast<uLong>(body.size()));
        stored.assign(length, '\0');
        compress2(reinterpret_cast<Bytef*>(stored.data()), &length,
            reinterpret_cast<const Bytef*>(body.data()), static_cast<uLong>(body.size()), 9);
        stored.resize(length);
        compressedSize = static_cast<uint32_t>(length);
    }
    std::string header;
    for (uint32_t word : { 1u, 184u, static_cast<uint32_t>(body.size()), spec.Version })
        AppendU32(&header, word);
    std::string notice = "Test theme";
    notice.resize(88, '\0');
    header += notice;
    for (uint32_t word : { spec.ContentFlags, 0u, 0u, 1u, compressedSize, 0u, spec.Premultiplied })
        AppendU32(&header, word);
    for (uint32_t word : textSpans)
        AppendU32(&header, word);
    AppendU32(&header, recordsOffset);
    return header + stored;
}

ContainerLayout BuildContainer(const ContainerSpec& spec)
{
    ContainerLayout layout;
    std::array<uint32_t, 12> spans {};
    for (size_t i = 0; i < 6; ++i) {
        std::string text = spec.Texts[i] ? Utf16Bytes(*spec.Texts[i]) : std::string();
        spans[2 * i] = static_cast<uint32_t>(layout.Body.size());
        spans[2 * i + 1] = static_cast<uint32_t>(text.size());
        layout.Body += text;
    }
    auto recordsOffset = static_cast<uint32_t>(layout.Body.size());
    for (const std::string& record : spec.Records) {
        layout.RecordOffsets.push_back(layout.Body.size());
        layout.Body += record;
    }
    layout.File = ContainerFile(spec, layout.Body, recordsOffset, spans);
    return layout;
}

std::string PatternPixels(uint32_t width, uint32_t height, uint8_t seed)
{
    std::string pixels(static_cast<size_t>(width) * height * 4, '\0');
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<char>(seed + i * 7);
    return pixels;
}
