#include "LMBitmap.h"

#include "LMDCCache.h"

#include <cstring>

namespace {

// True for a DIB section we can address as 32-bit bottom-up rows.
bool IsBottomUpDib32(HBITMAP bitmap)
{
    DIBSECTION section{};
    if (GetObjectW(bitmap, sizeof(section), &section) != sizeof(section))
        return false;
    return section.dsBm.bmBits && section.dsBm.bmBitsPixel == 32 && section.dsBmih.biHeight > 0;
}

}  // namespace

HBITMAP LMBitmap::CreateDibSection(int width, int height, int bitsPerPixel)
{
    if (width <= 0 || height <= 0 || bitsPerPixel <= 0 || bitsPerPixel > 32)
        return nullptr;
    uint64_t rowBytes = ((static_cast<uint64_t>(width) * bitsPerPixel + 31) / 32) * 4;
    if (rowBytes * static_cast<uint64_t>(height) > kLMMaxDibBytes)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biXPelsPerMeter = 72;
    info.bmiHeader.biYPelsPerMeter = 72;
    ScopedWindowDC screen(nullptr);
    void* bits = nullptr;
    return CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

HBITMAP LMBitmap::CreateDib32(int width, int height)
{
    return CreateDibSection(width, height, 32);
}

// Also converts 32-bit bitmaps without pixel memory (device bitmaps) and
// top-down sections: every pixel routine needs bottom-up rows it can address.
int LMBitmap::ConvertTo32Bpp(HBITMAP* bitmap)
{
    if (!bitmap || !*bitmap || IsBottomUpDib32(*bitmap))
        return 0;
    BITMAP description{};
    if (!GetObjectW(*bitmap, sizeof(description), &description))
        return 0;
    ScopedBitmap converted(CreateDib32(description.bmWidth, description.bmHeight));
    if (!converted)
        return 0;
    ScopedMemoryDC source(CreateCompatibleDC(nullptr));
    ScopedMemoryDC target(CreateCompatibleDC(nullptr));
    {
        ScopedSelectObject selectSource(source.Get(), *bitmap);
        ScopedSelectObject selectTarget(target.Get(), converted.Get());
        if (!selectSource.Selected() || !selectTarget.Selected() ||
            !BitBlt(target.Get(), 0, 0, description.bmWidth, description.bmHeight, source.Get(),
                    0, 0, SRCCOPY))
            return 0;
    }
    DeleteObject(*bitmap);
    *bitmap = converted.Release();
    return 1;
}

void LMBitmap::TakeFlags(int flags)
{
    ColorKeyed = (flags & LMBitmapColorKeyed) ? 1 : 0;
    HasAlpha = (flags & LMBitmapHasAlpha) ? 1 : 0;
    Premultiplied = (flags & LMBitmapPremultiplied) ? 1 : 0;
    SharedDC = (flags & LMBitmapSharedDC) ? 1 : 0;
}

void LMBitmap::RefreshDescription()
{
    Dib = BITMAP{};
    if (Handle)
        GetObjectW(Handle.Get(), sizeof(Dib), &Dib);
    Width = Dib.bmWidth;
    Height = Dib.bmHeight;
}

void LMBitmap::AttachOwnDC()
{
    if (SharedDC)
        return;
    OwnDC.Reset(CreateCompatibleDC(nullptr));
    if (OwnDC && Handle)
        PrevBitmap = SelectObject(OwnDC.Get(), Handle.Get());
}

LMBitmap::LMBitmap(int width, int height, int flags) : Handle(CreateDib32(width, height))
{
    TakeFlags(flags);
    RefreshDescription();
    AttachOwnDC();
}

LMBitmap::LMBitmap(const LMBitmap& source) : Handle(CreateDib32(source.Width, source.Height))
{
    FrameCount = source.FrameCount;
    NoBlend = source.NoBlend;
    HasAlpha = source.HasAlpha;
    ColorKeyed = source.ColorKeyed;
    Premultiplied = source.Premultiplied;
    SharedDC = source.SharedDC;
    RefreshDescription();
    AttachOwnDC();
    if (HasPixels() && source.HasPixels() && Width == source.Width && Height == source.Height)
        std::memcpy(Dib.bmBits, source.Dib.bmBits, static_cast<size_t>(Dib.bmWidthBytes) * Height);
}

LMBitmap::LMBitmap(HBITMAP bitmap, int flags)
{
    ConvertTo32Bpp(&bitmap);
    Handle.Reset(bitmap);
    TakeFlags(flags);
    RefreshDescription();
    AttachOwnDC();
}

LMBitmap::~LMBitmap()
{
    if (SharedDC)
        ReleaseSharedDC();
    else if (OwnDC && PrevBitmap)
        SelectObject(OwnDC.Get(), PrevBitmap);
    OwnDC.Reset();
    Handle.Reset();
    PrevBitmap = nullptr;
}

int LMBitmap::AddRef()
{
    return ++RefCount;
}

int LMBitmap::Release()
{
    int count = --RefCount;
    if (count <= 0 && !Keep) {
        delete this;
        return 0;
    }
    return count;
}

HDC LMBitmap::GetDC()
{
    if (!SharedDC)
        return OwnDC.Get();
    for (int i = 0; i < kLMSharedDCCount; ++i) {
        if (Handle && LMSharedDCs[i].Selected == Handle.Get()) {
            LMSharedDCLast = i;
            return LMSharedDCs[i].Dc.Get();
        }
    }
    LMSharedDCLast = (LMSharedDCLast + 1) % kLMSharedDCCount;
    LMSharedDCSlot& slot = LMSharedDCs[LMSharedDCLast];
    LMEmptySharedDCSlot(slot);
    if (!Handle || !slot.Dc)
        return nullptr;
    slot.SavedDefault = SelectObject(slot.Dc.Get(), Handle.Get());
    slot.Selected = Handle.Get();
    return slot.Dc.Get();
}

void LMBitmap::ReleaseSharedDC()
{
    if (!Handle)
        return;
    for (LMSharedDCSlot& slot : LMSharedDCs) {
        if (slot.Selected == Handle.Get())
            LMEmptySharedDCSlot(slot);
    }
}

void LMBitmap::ReplaceDib(HBITMAP dib)
{
    if (SharedDC)
        ReleaseSharedDC();
    else if (OwnDC && PrevBitmap)
        SelectObject(OwnDC.Get(), PrevBitmap);
    PrevBitmap = nullptr;
    Handle.Reset(dib);
    if (!SharedDC && OwnDC && Handle)
        PrevBitmap = SelectObject(OwnDC.Get(), Handle.Get());
    RefreshDescription();
}

uint32_t* LMBitmap::Row(int y) const
{
    auto* bits = static_cast<uint8_t*>(Dib.bmBits);
    return reinterpret_cast<uint32_t*>(bits + static_cast<size_t>(Height - 1 - y) * Dib.bmWidthBytes);
}

int LMBitmap::TrimToFrames(int frameCount)
{
    if (frameCount < 1 || frameCount > Width || Width % frameCount == 0 || !HasPixels())
        return 0;
    int newWidth = frameCount * (Width / frameCount);
    HBITMAP trimmed = CreateDib32(newWidth, Height);
    if (!trimmed)
        return 0;
    BITMAP target{};
    GetObjectW(trimmed, sizeof(target), &target);
    for (int y = 0; y < Height; ++y) {
        auto* row = static_cast<uint8_t*>(target.bmBits) + static_cast<size_t>(Height - 1 - y) * target.bmWidthBytes;
        std::memcpy(row, Row(y), static_cast<size_t>(newWidth) * 4);
    }
    ReplaceDib(trimmed);
    return 1;
}
