// Resizing of LMBitmap pixels in place: the whole bitmap, or each frame of a
// horizontal strip on its own. Every pass writes into a new DIB; the bitmap's
// own DIB is replaced only once the whole result exists, so a failure keeps
// the old pixels and size.

#include "LMBitmap.h"
#include "LMResample.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace
{

// Bottom-up 32-bit pixels; Stride counts pixels per memory row.
struct PixelView {
    uint32_t* Bits = nullptr;
    int Width = 0;
    int Height = 0;
    int Stride = 0;

    uint32_t* MemoryRow(int row) const { return Bits + static_cast<ptrdiff_t>(row) * Stride; }
    uint32_t* ImageRow(int y) const { return MemoryRow(Height - 1 - y); }
};

struct OwnedPixels {
    ScopedBitmap Handle;
    PixelView View;
};

bool FitsSizeCap(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && width <= INT_MAX && height <= INT_MAX
        && static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 4 <= kLMMaxDibBytes;
}

bool CreatePixels(int64_t width, int64_t height, OwnedPixels* out)
{
    if (!FitsSizeCap(width, height))
        return false;
    out->Handle.Reset(LMBitmap::CreateDib32(static_cast<int>(width), static_cast<int>(height)));
    BITMAP description {};
    if (!out->Handle || !GetObjectW(out->Handle.Get(), sizeof(description), &description)
        || !description.bmBits)
        return false;
    out->View = { static_cast<uint32_t*>(description.bmBits), description.bmWidth,
        description.bmHeight, description.bmWidthBytes / 4 };
    return true;
}

PixelView ViewOf(const LMBitmap& bitmap)
{
    return { static_cast<uint32_t*>(bitmap.Dib.bmBits), bitmap.Width, bitmap.Height,
        bitmap.Dib.bmWidthBytes / 4 };
}

// The colour key becomes transparency first, so that resampling blends it.
void PrepareForResampling(LMBitmap& bitmap)
{
    if (bitmap.HasAlpha || bitmap.Premultiplied)
        return;
    bitmap.ColorKeyToAlpha();
    bitmap.ColorKeyed = 0;
}

// Copies whole columns, every row; clipped to both views.
void CopyColumns(
    const PixelView& from, int64_t fromX, const PixelView& to, int64_t toX, int64_t count)
{
    count = std::min({ count, from.Width - fromX, to.Width - toX });
    if (fromX < 0 || toX < 0 || count <= 0)
        return;
    int rows = std::min(from.Height, to.Height);
    for (int row = 0; row < rows; ++row)
        std::memcpy(
            to.MemoryRow(row) + toX, from.MemoryRow(row) + fromX, static_cast<size_t>(count) * 4);
}

// Copies whole image rows (counted from the top); clipped to both views.
void CopyImageRows(
    const PixelView& from, int64_t fromY, const PixelView& to, int64_t toY, int64_t count)
{
    count = std::min({ count, from.Height - fromY, to.Height - toY });
    if (fromY < 0 || toY < 0 || count <= 0)
        return;
    size_t bytes = static_cast<size_t>(std::min(from.Width, to.Width)) * 4;
    for (int64_t i = 0; i < count; ++i)
        std::memcpy(to.ImageRow(static_cast<int>(toY + i)),
            from.ImageRow(static_cast<int>(fromY + i)), bytes);
}

int BoxResample(const uint32_t* from, int fromWidth, int fromHeight, int fromStride, uint32_t* to,
    int toWidth, int toHeight, int toStride)
{
    if (fromWidth < toWidth || fromHeight < toHeight)
        return ResampleEnlarge(
            from, fromWidth, fromHeight, to, toWidth, toHeight, fromStride, toStride);
    return ResampleShrink(from, fromWidth, fromHeight, to, toWidth, toHeight, fromStride, toStride);
}

// Width then height: box filter where a length shrinks, linear where it grows.
bool ResampleWhole(const PixelView& source, int width, int height, OwnedPixels* result)
{
    if (width < source.Width && height < source.Height) {
        return CreatePixels(width, height, result)
            && ResampleShrink(source.Bits, source.Width, source.Height, result->View.Bits, width,
                height, source.Stride, result->View.Stride);
    }
    PixelView current = source;
    OwnedPixels widthPass;
    if (width != source.Width) {
        if (!CreatePixels(width, source.Height, &widthPass))
            return false;
        const PixelView& to = widthPass.View;
        int done = width < source.Width
            ? ResampleShrink(source.Bits, source.Width, source.Height, to.Bits, width,
                source.Height, source.Stride, to.Stride)
            : InterpolateColumns(
                source.Bits, source.Width, source.Height, to.Bits, width, source.Stride, to.Stride);
        if (!done)
            return false;
        current = to;
    }
    if (height == current.Height) {
        *result = std::move(widthPass);
        return result->Handle.IsValid();
    }
    if (!CreatePixels(current.Width, height, result))
        return false;
    const PixelView& to = result->View;
    return height < current.Height ? ResampleShrink(current.Bits, current.Width, current.Height,
               to.Bits, current.Width, height, current.Stride, to.Stride)
                                   : InterpolateRows(current.Bits, current.Width, current.Height,
                                       to.Bits, height, current.Stride, to.Stride);
}

struct Borders {
    int64_t Before; // left or top
    int64_t After; // right or bottom
};

// One frame of the strip: borders copied, the middle resampled or tiled.
// Everything stays inside the frame, source and destination.
bool ResizeOneFrame(const PixelView& source, int64_t sourceX, int64_t oldFrame,
    const PixelView& target, int64_t targetX, int64_t newFrame, Borders borders, bool smooth)
{
    CopyColumns(source, sourceX, target, targetX, std::min({ borders.Before, oldFrame, newFrame }));
    int64_t oldMiddle = oldFrame - borders.Before - borders.After;
    int64_t newMiddle = newFrame - borders.Before - borders.After;
    if (oldMiddle > 0 && newMiddle > 0) {
        int64_t from = sourceX + borders.Before;
        int64_t to = targetX + borders.Before;
        if (smooth) {
            if (!BoxResample(source.Bits + from, static_cast<int>(oldMiddle), source.Height,
                    source.Stride, target.Bits + to, static_cast<int>(newMiddle), target.Height,
                    target.Stride))
                return false;
        } else {
            for (int64_t x = 0; x < newMiddle; x += oldMiddle)
                CopyColumns(source, from, target, to + x, std::min(oldMiddle, newMiddle - x));
        }
    }
    int64_t after = std::min({ borders.After, oldFrame, newFrame });
    CopyColumns(source, sourceX + oldFrame - after, target, targetX + newFrame - after, after);
    return true;
}

bool ResizeAcross(const PixelView& source, int frames, int frameWidth, Borders borders, bool smooth,
    OwnedPixels* result)
{
    int64_t oldFrame = source.Width / frames;
    if (oldFrame < 1
        || !CreatePixels(static_cast<int64_t>(frameWidth) * frames, source.Height, result))
        return false;
    for (int k = 0; k < frames; ++k) {
        if (!ResizeOneFrame(source, k * oldFrame, oldFrame, result->View,
                static_cast<int64_t>(k) * frameWidth, frameWidth, borders, smooth))
            return false;
    }
    return true;
}

// Top and bottom bands copied; the band between them resampled or tiled downwards.
bool ResizeDown(
    const PixelView& source, int height, Borders borders, bool smooth, OwnedPixels* result)
{
    if (!CreatePixels(source.Width, height, result))
        return false;
    const PixelView& target = result->View;
    CopyImageRows(
        source, 0, target, 0, std::min<int64_t>({ borders.Before, source.Height, height }));
    int64_t oldMiddle = source.Height - borders.Before - borders.After;
    int64_t newMiddle = height - borders.Before - borders.After;
    if (oldMiddle > 0 && newMiddle > 0) {
        if (smooth) {
            // The middle band starts at memory row `bottom` in both bitmaps.
            int row = static_cast<int>(borders.After);
            if (!BoxResample(source.MemoryRow(row), source.Width, static_cast<int>(oldMiddle),
                    source.Stride, target.MemoryRow(row), target.Width, static_cast<int>(newMiddle),
                    target.Stride))
                return false;
        } else {
            for (int64_t j = 0; j < newMiddle; ++j)
                CopyImageRows(
                    source, borders.Before + j % oldMiddle, target, borders.Before + j, 1);
        }
    }
    int64_t after = std::min<int64_t>({ borders.After, source.Height, height });
    CopyImageRows(source, source.Height - after, target, height - after, after);
    return true;
}

} // namespace

int LMBitmap::Resize(int width, int height, int discard)
{
    if (width < 0 || height < 0 || !HasPixels())
        return 0;
    int newWidth = width ? width : Width;
    int newHeight = height ? height : Height;
    if (!FitsSizeCap(newWidth, newHeight))
        return 0;
    if (discard) {
        HBITMAP blank = CreateDib32(newWidth, newHeight);
        if (!blank)
            return 0;
        ReplaceDib(blank);
        return 1;
    }
    GdiFlush();
    PrepareForResampling(*this);
    if (newWidth == Width && newHeight == Height)
        return 1;
    OwnedPixels result;
    if (!ResampleWhole(ViewOf(*this), newWidth, newHeight, &result))
        return 0;
    ReplaceDib(result.Handle.Release());
    return 1;
}

int LMBitmap::ResizeFrames(
    int frameWidth, int height, int left, int right, int top, int bottom, int smoothH, int smoothV)
{
    if (frameWidth < 0 || height < 0 || !HasPixels())
        return 0;
    // A strip that was never split counts as one frame.
    const int frames = std::max(FrameCount, 1);
    const Borders across { std::max(left, 0), std::max(right, 0) };
    const Borders down { std::max(top, 0), std::max(bottom, 0) };
    const bool resizeAcross = frameWidth != 0 && static_cast<int64_t>(frameWidth) * frames != Width;
    const bool resizeDown = height != 0 && height != Height;
    const bool wholeAcross = frames == 1 && across.Before == 0 && across.After == 0 && smoothH;
    const bool wholeDown = frames == 1 && down.Before == 0 && down.After == 0 && smoothV;
    if ((resizeAcross && wholeAcross) || (!resizeAcross && resizeDown && wholeDown))
        return Resize(frameWidth, height, 0);
    if (!resizeAcross && !resizeDown)
        return 1;
    int64_t newWidth = resizeAcross ? static_cast<int64_t>(frameWidth) * frames : Width;
    if (!FitsSizeCap(newWidth, resizeDown ? height : Height) || !FitsSizeCap(newWidth, Height))
        return 0;
    GdiFlush();
    if (resizeDown && wholeDown)
        PrepareForResampling(*this);
    PixelView current = ViewOf(*this);
    OwnedPixels acrossPass, downPass;
    OwnedPixels* result = &acrossPass;
    if (resizeAcross) {
        if (!ResizeAcross(current, frames, frameWidth, across, smoothH, &acrossPass))
            return 0;
        current = acrossPass.View;
    }
    if (resizeDown) {
        bool done = wholeDown ? ResampleWhole(current, current.Width, height, &downPass)
                              : ResizeDown(current, height, down, smoothV, &downPass);
        if (!done)
            return 0;
        result = &downPass;
    }
    ReplaceDib(result->Handle.Release());
    return 1;
}
