#pragma once
// The container reader and writer as functions over memory, so every step
// between the file and the theme can be driven with bytes.

#include "CTheme.h"
#include "ThemeBodySource.h"
#include "ThemeContainerFormat.h"

#include <cstddef>
#include <cstdint>
#include <vector>

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

// Inflates the CompressedSize bytes that the source gives, piece by piece, into
// a body of exactly BodySize bytes; 0 when the stream is damaged, cut short or
// of another size.
int InflateThemeBody(const ThemeFileHeader& header, const ByteSource& source, ByteBuffer* body);

// Adds the texts and records of a body to the theme; reads nothing outside
// [body, body + size). Sets ContentFlags from the records met. Returns 1.
int ParseThemeBody(
    CTheme* theme, const ThemeFileHeader& header, const uint8_t* body, size_t size, int preview);
// The same over a body that is read only as far as the records go; 0 when
// reading it that far fails.
int ParseThemeBodyFrom(
    CTheme* theme, const ThemeFileHeader& header, ThemeBodySource& body, int preview);

// The header and body that SaveContainer writes (CompressedSize still 0);
// false when the body would be too large to read back or memory runs out.
bool BuildThemeFile(const CTheme& theme, ThemeFileHeader* header, std::vector<uint8_t>* body);
