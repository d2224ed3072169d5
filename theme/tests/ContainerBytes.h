#pragma once
// Builds ".Trivane" files byte by byte from the published layout, so tests
// never depend on the writer they check.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

void PutU32(std::string* bytes, size_t offset, uint32_t value);
uint32_t GetU32(const std::string& bytes, size_t offset);
void AppendU32(std::string* bytes, uint32_t value);
// UTF-16LE with the NUL.
std::string Utf16Bytes(const std::wstring& text);

struct ImageRecordPlan {
    uint32_t Kind = 2; // 2 cursor, 4 effect, 8 trail
    uint32_t Version = 2;
    uint32_t Role = 0;
    uint32_t State = 1;
    uint32_t Custom = 0;
    uint32_t Slot = 0;
    uint32_t Frames = 1;
    uint32_t Width = 1;
    uint32_t Height = 1;
    uint32_t Interval = 100;
    uint32_t Flags = 0;
    uint32_t HotSpotX = 0;
    uint32_t HotSpotY = 0;
    std::optional<std::wstring> Script;
    std::string Pixels; // BGRA, bottom row first
    uint32_t TrailsPerSecond = 20;
};

uint32_t ImageRecordHeadSize(const ImageRecordPlan& plan);
std::string ImageRecord(const ImageRecordPlan& plan);
std::string SoundRecordBytes(uint32_t slot, const std::string& data, uint32_t version = 1);
// A record of any kind whose TotalSize covers `extra` zero bytes after its head.
std::string OpaqueRecord(uint32_t kind, uint32_t version, uint32_t extra);

struct ContainerPlan {
    uint32_t Version = 2002;
    uint32_t ContentFlags = 0;
    uint32_t Premultiplied = 0;
    // Name, Author, Version, Website, Email, Description.
    std::array<std::optional<std::wstring>, 6> Texts;
    std::vector<std::string> Records;
    bool Compressed = false;
};

struct ContainerLayout {
    std::string File;
    std::string Body; // uncompressed
    std::vector<size_t> RecordOffsets; // in the body
};

ContainerLayout BuildContainer(const ContainerPlan& plan);
// The file of a header and a body as given (compressed when asked).
std::string ContainerFile(const ContainerPlan& plan, const std::string& body,
    uint32_t recordsOffset, const std::array<uint32_t, 12>& textSpans);

// Deterministic pixel bytes: width * height * 4 of them.
std::string PatternPixels(uint32_t width, uint32_t height, uint8_t seed);
