#pragma once
// Memory that catches reads and writes out of range: a text that ends right
// before an inaccessible page, and DIB sections whose pixels lie in a file
// mapping between guard bytes.

#include "ScopedWin.h"

#include <cstdint>
#include <string>

// Holds one NUL-terminated text at a time; its terminator is the last
// character before a PAGE_NOACCESS page, so reading past it faults.
class GuardedText {
public:
    explicit GuardedText(size_t maxChars);
    ~GuardedText();
    GuardedText(const GuardedText&) = delete;
    GuardedText& operator=(const GuardedText&) = delete;

    const wchar_t* Set(const std::wstring& text);

private:
    uint8_t* base_ = nullptr;
    size_t usable_ = 0;
};

// A 32-bit DIB section (bottom-up for a positive height, top-down for a
// negative one) in a file mapping, with guard bytes on both sides.
class GuardedDib {
public:
    GuardedDib(int width, int height, size_t guardBytes = 4096);
    ~GuardedDib();
    GuardedDib(const GuardedDib&) = delete;
    GuardedDib& operator=(const GuardedDib&) = delete;

    // Hands the bitmap to a new owner (such as LMBitmap); the mapping stays here
    // and must outlive it.
    HBITMAP TakeBitmap() { return bitmap_.Release(); }
    HBITMAP Bitmap() const { return bitmap_.Get(); }
    uint32_t* Pixels() const { return pixels_; }
    // Image row y (0 = top), whatever the row order.
    uint32_t* Row(int y) const;
    bool GuardsIntact() const;

private:
    int width_;
    int height_;
    size_t guardBytes_;
    size_t pixelBytes_;
    ScopedKernelHandle section_;
    ScopedMappedView view_;
    ScopedBitmap bitmap_;
    uint32_t* pixels_ = nullptr;
};

// A memory DC with a GuardedDib selected.
class GuardedCanvas {
public:
    GuardedCanvas(int width, int height, size_t guardBytes = 4096);
    ~GuardedCanvas();
    GuardedCanvas(const GuardedCanvas&) = delete;
    GuardedCanvas& operator=(const GuardedCanvas&) = delete;

    HDC Dc() const { return dc_.Get(); }
    GuardedDib& Dib() { return dib_; }
    uint32_t Pixel(int x, int y) const;
    void Fill(uint32_t value);

private:
    int width_;
    int height_;
    GuardedDib dib_;
    ScopedMemoryDC dc_;
    HGDIOBJ previous_ = nullptr;
};
