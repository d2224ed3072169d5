#pragma once
// JPEG files, decoded by libjpeg into 32-bit bottom-up pixels (B G R, alpha 0).

#include <windows.h>

#include <cstdint>
#include <memory>

// Null when the file cannot be opened or decoded (no message), or when its size
// is not allowed for a bitmap. The first warning of a decode shows "JPEG Error".
HBITMAP LoadJpeg(const wchar_t* path);

// width x height x 4 bytes, rows bottom-up, zero where nothing was decoded;
// width and height are 0 when it returns null.
std::unique_ptr<uint8_t[]> LoadJpegPixels(const wchar_t* path, int* width, int* height);

// One decoded line n (0 = top) into buffer row height-1-n, 4 bytes a pixel;
// the alpha byte is left as it was.
void JpegRowToBgra(const uint8_t* line, int width, int height, uint8_t* buffer, int n);
void JpegGrayRowToBgra(const uint8_t* line, int width, int height, uint8_t* buffer, int n);

// The loader's error manager: the library's standard one, whose fatal errors jump
// back to the loader and whose messages show in a "JPEG Error" box.
struct jpeg_common_struct;
void LoadJpegErrorExit(jpeg_common_struct* cinfo);
void JpegOutputMessage(jpeg_common_struct* cinfo);
