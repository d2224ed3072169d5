// The file constructor of LMBitmap: picks a loader by the file's extension; a
// JPEG may take its alpha from a "#MASK#.jpg" companion.

#include "LMBitmap.h"

#include "LMImageFile.h"
#include "LMJpegLoader.h"
#include "LMPngLoader.h"
#include "LMTgaLoader.h"

#include <shlwapi.h>

#include <cwchar>

namespace {

constexpr size_t kLMMaxPathChars = MAX_PATH - 1;

// The companion's red becomes the alpha; faint reds (below 10) are fully
// transparent. Only a companion of the main image's size is used.
bool TakeAlphaFromCompanion(const wchar_t* path, uint8_t* pixels, int width, int height)
{
    std::wstring maskPath = LMJpegMaskPath(path);
    if (maskPath.empty() || !PathFileExistsW(maskPath.c_str()))
        return false;
    int maskWidth = 0;
    int maskHeight = 0;
    std::unique_ptr<uint8_t[]> mask = LoadJpegPixels(maskPath.c_str(), &maskWidth, &maskHeight);
    if (!mask || maskWidth != width || maskHeight != height)
        return false;
    size_t count = static_cast<size_t>(width) * height;
    for (size_t i = 0; i < count; ++i) {
        uint8_t red = mask[i * 4 + 2];
        pixels[i * 4 + 3] = red < 10 ? 0 : red;
    }
    return true;
}

HBITMAP LoadJpegWithCompanion(const wchar_t* path, int32_t* hasAlpha)
{
    ScopedBitmap dib(LoadJpeg(path));
    BITMAP description{};
    if (!dib || !GetObjectW(dib.Get(), sizeof(description), &description) || !description.bmBits)
        return nullptr;
    if (TakeAlphaFromCompanion(path, static_cast<uint8_t*>(description.bmBits), description.bmWidth,
                               description.bmHeight))
        *hasAlpha = 1;
    return dib.Release();
}

HBITMAP LoadBmp(const wchar_t* path)
{
    return static_cast<HBITMAP>(
        LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION | LR_LOADFROMFILE));
}

}  // namespace

LMImageKind LMImageKindFromPath(const wchar_t* path)
{
    if (!path)
        return LMImageKind::None;
    size_t length = std::wcslen(path);
    if (length <= 4)
        return LMImageKind::None;
    const wchar_t* ending = path + length - 4;
    if (_wcsicmp(ending, L".bmp") == 0)
        return LMImageKind::Bmp;
    if (_wcsicmp(ending, L".png") == 0)
        return LMImageKind::Png;
    if (_wcsicmp(ending, L".tga") == 0)
        return LMImageKind::Tga;
    if (_wcsicmp(ending, L".jpg") == 0)
        return LMImageKind::Jpeg;
    return LMImageKind::None;
}

std::wstring LMJpegMaskPath(const std::wstring& jpegPath)
{
    if (jpegPath.size() <= 4)
        return {};
    std::wstring maskPath = jpegPath.substr(0, jpegPath.size() - 4) + L"#MASK#.jpg";
    return maskPath.size() <= kLMMaxPathChars ? maskPath : std::wstring();
}

LMBitmap::LMBitmap(const wchar_t* path, int flags)
{
    TakeFlags(flags);
    HBITMAP loaded = nullptr;
    switch (LMImageKindFromPath(path)) {
    case LMImageKind::Bmp:
        loaded = LoadBmp(path);
        break;
    case LMImageKind::Png:
        HasAlpha = 0;
        loaded = LoadPng(path, &HasAlpha);
        break;
    case LMImageKind::Tga:
        HasAlpha = 1;
        loaded = LoadTga(path);
        break;
    case LMImageKind::Jpeg:
        HasAlpha = 0;
        ColorKeyed = 0;
        loaded = LoadJpegWithCompanion(path, &HasAlpha);
        break;
    case LMImageKind::None:
        break;
    }
    if (!loaded)
        return;
    ConvertTo32Bpp(&loaded);
    Handle.Reset(loaded);
    RefreshDescription();
    // A bitmap that could not become 32-bit pixels is as good as none.
    if (!HasPixels()) {
        Handle.Reset();
        RefreshDescription();
        return;
    }
    AttachOwnDC();
}
