#pragma once
// How the LMBitmap file constructor reads a path: the loader chosen by the last
// four characters, and the name of a JPEG's alpha companion.

#include <string>

enum class LMImageKind { None, Bmp, Png, Tga, Jpeg };

// ".bmp", ".png", ".tga" or ".jpg" in any case, after at least one character.
LMImageKind LMImageKindFromPath(const wchar_t* path);

// "arrow.jpg" -> "arrow#MASK#.jpg"; empty when the name would not fit a
// 260-character path buffer.
std::wstring LMJpegMaskPath(const std::wstring& jpegPath);
