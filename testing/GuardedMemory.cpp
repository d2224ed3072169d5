#include "GuardedMemory.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr uint8_t kGuardByte = 0xA5;

size_t PageSize()
{
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return info.dwPageSize;
}

}  // namespace

GuardedText::GuardedText(size_t maxChars)
{
    size_t page = PageSize();
    usable_ = ((maxChars + 1) * sizeof(wchar_t) + page - 1) / page * page;
    base_ = static_cast<uint8_t*>(
        VirtualAlloc(nullptr, usable_ + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD old = 0;
    if (!base_ || !VirtualProtect(base_ + usable_, page, PAGE_NOACCESS, &old))
        std::abort();
}

GuardedText::~GuardedText()
{
    VirtualFree(base_, 0, MEM_RELEASE);
}

const wchar_t* GuardedText::Set(const std::wstring& text)
{
    size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (bytes > usable_)
        std::abort();
    auto* start = reinterpret_cast<wchar_t*>(base_ + usable_ - bytes);
    std::memcpy(start, text.c_str(), bytes);
    return start;
}

// The pixels start guardBytes into the mapping; a DIB section wants that
// offset to be a multiple of 4.
GuardedDib::GuardedDib(int width, int height, size_t guardBytes)
    : width_(width), height_(height), guardBytes_((guardBytes + 3) / 4 * 4),
      pixelBytes_(static_cast<size_t>(width) * 4 * static_cast<size_t>(std::abs(height)))
{
    size_t total = guardBytes_ + pixelBytes_ + guardBytes_;
    section_.Reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      static_cast<DWORD>(total), nullptr));
    view_.Reset(MapViewOfFile(section_.Get(), FILE_MAP_ALL_ACCESS, 0, 0, total));
    if (!view_)
        std::abort();
    std::memset(view_.Get(), kGuardByte, total);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(
        CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, section_.Get(), guardBytes_));
    if (!bitmap_)
        std::abort();
    // Our own view of the same pixels, so the guards and pixels are read alike.
    pixels_ = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(view_.Get()) + guardBytes_);
    std::memset(pixels_, 0, pixelBytes_);
}

GuardedDib::~GuardedDib() = default;

uint32_t* GuardedDib::Row(int y) const
{
    GdiFlush();
    int rows = std::abs(height_);
    int memoryRow = height_ > 0 ? rows - 1 - y : y;
    return pixels_ + static_cast<size_t>(memoryRow) * width_;
}

bool GuardedDib::GuardsIntact() const
{
    GdiFlush();
    const auto* bytes = static_cast<const uint8_t*>(view_.Get());
    for (size_t i = 0; i < guardBytes_; ++i) {
        if (bytes[i] != kGuardByte || bytes[guardBytes_ + pixelBytes_ + i] != kGuardByte)
            return false;
    }
    return true;
}

GuardedCanvas::GuardedCanvas(int width, int height, size_t guardBytes)
    : width_(width), height_(std::abs(height)), dib_(width, height, guardBytes),
      dc_(CreateCompatibleDC(nullptr))
{
    previous_ = SelectObject(dc_.Get(), dib_.Bitmap());
}

GuardedCanvas::~GuardedCanvas()
{
    SelectObject(dc_.Get(), previous_);
}

uint32_t GuardedCanvas::Pixel(int x, int y) const
{
    return dib_.Row(y)[x];
}

void GuardedCanvas::Fill(uint32_t value)
{
    for (int y = 0; y < height_; ++y) {
        uint32_t* row = dib_.Row(y);
        for (int x = 0; x < width_; ++x)
            row[x] = value;
    }
}
