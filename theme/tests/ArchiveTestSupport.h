#pragma once
// Archives for the reader's tests, zipped by the tests' own writer: a
// "scheme.ini" and its images.

#include "ArchiveFixtures.h"

#include <string>
#include <utility>
#include <vector>

// A 24-bit BMP whose upper half is color and lower half mask.
std::string BmpFile(int width, int height, uint32_t color, uint32_t mask);

// The "TV*" folders left in the temporary folder, which the theme tests keep
// to themselves.
std::vector<std::wstring> ArchiveLeftovers();
