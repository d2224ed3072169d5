#pragma once
// The container reader and writer as functions over memory, so every step
// between the file and the theme can be driven with bytes.

#include "CTheme.h"
#include "ThemeContainerFormat.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// An uninitialised byte buffer; allocation failure is a result, not an exception.
struct ByteBuffer {
    std::unique_ptr<uint8_t[]> Data;
    size_t Size = 0;

    bool Allocate(uint64_t size);
};

// The theme's texts in file order.
extern HeapText CTheme::*const kThemeTextFileOrder[kThemeTextCount];

// Reads the header from at least 184 bytes; false when there are fewer.
bool ReadThemeFileHeader(const uint8_t* bytes, size_t size, ThemeFileHeader* header);
void WriteThemeFileHeader(const ThemeFileHeader& header, uint8_t (&bytes)[sizeof(ThemeFileHeader)]);

// How many bytes after the header hold the body: the stored body, as much of
// it as there is, or the compressed body. False when the sizes are refused.
bool ThemeBodyReadSize(const ThemeFileHeader& header, uint64_t available, uint64_t* size);

// The bytes read after the header become the body: stored ones as they are,
// compressed ones inflated to exactly BodySize bytes. 0 when that fails.
int UnpackThemeBody(const ThemeFileHeader& header, ByteBuffer packed, ByteBuffer* body);

// Reads exactly `size` bytes into data; false when it cannot.
using ByteSource = std::function<bool(uint8_t* data, size_t size)>;

// Inflates the CompressedSize bytes that the source gives, piece by piece, into
// a body of exactly BodySize bytes; 0 when the stream is damaged, cut short or
// of another size.
int InflateThemeBody(const ThemeFileHeader& header, const ByteSource& source, ByteBuffer* body);

// Adds the texts and records of a body to the theme; reads nothing outside
// [body, body + size). Sets ContentFlags from the records met. Returns 1.
int ParseThemeBody(
    CTheme* theme, const ThemeFileHeader& header, const uint8_t* body, size_t size, int preview);

// The header and body that SaveContainer writes (CompressedSize still 0);
// false when the body would be too large to read back or memory runs out.
bool BuildThemeFile(const CTheme& theme, ThemeFileHeader* header, std::vector<uint8_t>* body);
