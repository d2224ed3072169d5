#pragma once
// Writes a picture of a screen as an 8-bit RGB PNG file.

#include "DibCanvas.h"

#include <string>

// The canvas's pixels (blue, green, red, unused) as RGB; false when the
// file cannot be written.
bool WritePngFile(const std::wstring& path, const DibCanvas& canvas);
