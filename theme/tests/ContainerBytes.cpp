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

uint32_t ImageRecordHeadSize(const ImageRecordPlan& plan)
{
    if (plan.Kind == 2)
        return 76;
    return plan.Kind == 8 && plan.Version == 3 ? 100 : 68;
}

std::string ImageRecord(const ImageRecordPlan& plan)
{
    uint32_t head = ImageRecordHeadSize(plan);
    std::string script = plan.Script ? Utf16Bytes(*plan.Script) : std::string();
    auto scriptSize = static_cast<uint32_t>(script.size());
    auto pixelsSize = static_cast<uint32_t>(plan.Pixels.size());
    std::string record;
    for (uint32_t word : { plan.Kind, head, head + scriptSize + pixelsSize, plan.Version })
        AppendU32(&record, word);
    if (plan.Kind == 2) {
        for (uint32_t word : { plan.Role, plan.State, plan.Custom })
            AppendU32(&record, word);
    } else {
        AppendU32(&record, plan.Slot);
    }
    for (uint32_t word : { plan.Frames, plan.Width, plan.Height, plan.Interval, plan.Flags, 0u,
             plan.HotSpotX, plan.HotSpotY, head + scriptSize, pixelsSize, head, scriptSize })
        AppendU32(&record, word);
    if (head == 100) {
        AppendU32(&record, plan.TrailsPerSecond);
        record.append(28, '\0');
    }
    return record + script + plan.Pixels;
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

std::string ContainerFile(const ContainerPlan& plan, const std::string& body,
    uint32_t recordsOffset, const std::array<uint32_t, 12>& textSpans)
{
    std::string stored = body;
    uint32_t compressedSize = 0;
    if (plan.Compressed) {
        uLongf length = compressBound(static_cast<uLong>(body.size()));
        stored.assign(length, '\0');
        compress2(reinterpret_cast<Bytef*>(stored.data()), &length,
            reinterpret_cast<const Bytef*>(body.data()), static_cast<uLong>(body.size()), 9);
        stored.resize(length);
        compressedSize = static_cast<uint32_t>(length);
    }
    std::string header;
    for (uint32_t word : { 1u, 184u, static_cast<uint32_t>(body.size()), plan.Version })
        AppendU32(&header, word);
    std::string notice = "Test theme";
    notice.resize(88, '\0');
    header += notice;
    for (uint32_t word : { plan.ContentFlags, 0u, 0u, 1u, compressedSize, 0u, plan.Premultiplied })
        AppendU32(&header, word);
    for (uint32_t word : textSpans)
        AppendU32(&header, word);
    AppendU32(&header, recordsOffset);
    return header + stored;
}

ContainerLayout BuildContainer(const ContainerPlan& plan)
{
    ContainerLayout layout;
    std::array<uint32_t, 12> spans {};
    for (size_t i = 0; i < 6; ++i) {
        std::string text = plan.Texts[i] ? Utf16Bytes(*plan.Texts[i]) : std::string();
        spans[2 * i] = static_cast<uint32_t>(layout.Body.size());
        spans[2 * i + 1] = static_cast<uint32_t>(text.size());
        layout.Body += text;
    }
    auto recordsOffset = static_cast<uint32_t>(layout.Body.size());
    for (const std::string& record : plan.Records) {
        layout.RecordOffsets.push_back(layout.Body.size());
        layout.Body += record;
    }
    layout.File = ContainerFile(plan, layout.Body, recordsOffset, spans);
    return layout;
}

std::string PatternPixels(uint32_t width, uint32_t height, uint8_t seed)
{
    std::string pixels(static_cast<size_t>(width) * height * 4, '\0');
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<char>(seed + i * 7);
    return pixels;
}
