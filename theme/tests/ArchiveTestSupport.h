#pragma once
// Archives for the reader's tests, zipped by the tests' own writer: a
// "scheme.ini" and its images.

#include "ZipWriter.h"

#include <string>
#include <utility>
#include <vector>

// An opaque PNG of one colour (0x00RRGGBB), written with libpng.
std::string PngFile(int width, int height, uint32_t color);
// A 24-bit BMP whose upper half is color and lower half mask.
std::string BmpFile(int width, int height, uint32_t color, uint32_t mask);

// Files by name, deflated and stored in turn; a name ending in "/" is a folder.
using ArchiveFiles = std::vector<std::pair<std::string, std::string>>;
ZipLayout FilesArchive(const ArchiveFiles& files);
// The same with "scheme.ini" first.
ZipLayout SchemeArchive(const std::string& ini, const ArchiveFiles& files);

// The "TV*" folders left in the temporary folder, which the theme tests keep
// to themselves.
std::vector<std::wstring> ArchiveLeftovers();
