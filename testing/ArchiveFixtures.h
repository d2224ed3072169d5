#pragma once
// Older-format theme archives for tests: a "scheme.ini" and its images,
// zipped by the tests' own writer.

#include "ZipWriter.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// An opaque PNG of one colour (0x00RRGGBB), written with libpng.
std::string PngBytes(int width, int height, uint32_t color);

// Files by name, deflated and stored in turn; a name ending in "/" is a folder.
using ArchiveFiles = std::vector<std::pair<std::string, std::string>>;
ZipLayout FilesArchive(const ArchiveFiles& files);
// The same with "scheme.ini" first.
ZipLayout SchemeArchive(const std::string& ini, const ArchiveFiles& files);
