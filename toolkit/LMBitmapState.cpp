#include "LMBitmapState.h"

#include <algorithm>
#include <limits>

namespace {

int ClampToInt(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

}  // namespace

LMBitmapState::LMBitmapState(const wchar_t* name, LMBitmap* bitmap)
    : LMVisualState(name), Bitmap(bitmap)
{
    Kind = LMStateKindBitmap;
    FrameCount = 1;
    if (Bitmap) {
        Bitmap->AddRef();
        FrameWidth = Bitmap->Width;
        FrameHeight = Bitmap->Height;
    }
}

LMBitmapState::LMBitmapState(const wchar_t* name, const LMBitmapState& source, bool deep)
    : LMVisualState(name, source), TextColor(source.TextColor), PlainCopy(source.PlainCopy),
      SeparateFrames(source.SeparateFrames)
{
    Kind = LMStateKindBitmap;
    if (source.Bitmap)
        Bitmap = deep ? new LMBitmap(*source.Bitmap) : source.Bitmap;
    if (Bitmap)
        Bitmap->AddRef();
}

LMBitmapState::~LMBitmapState()
{
    if (Bitmap)
        Bitmap->Release();
}

int LMBitmapState::SetFrames(int count, int intervalMs, int flags)
{
    if (!Bitmap)
        return 0;
    if (flags & LMFrameSeparate) {
        SeparateFrames = 1;
    } else {
        int frames = std::max(count, 1);
        FrameWidth = Bitmap->Width / frames;
        Bitmap->FrameCount = frames;
    }
    return LMVisualState::SetFrames(count, intervalMs, flags);
}

int LMBitmapState::FrameOpacity() const
{
    if (FrameCount <= 1 || RampEnd == -1)
        return RampStart;
    int64_t step = (static_cast<int64_t>(RampEnd) - RampStart) * GetFrameIndex();
    return static_cast<int>(ClampToInt(RampStart + step / (FrameCount - 1)));
}

int LMBitmapState::DrawFrame(HDC hdc, int dstX, int dstY, int srcX, int srcY, int width, int height,
                             int alpha)
{
    if (width == 0 || height == 0 || !Bitmap)
        return 0;
    // A script frame past the strip (or before it) shows nothing.
    if (!FrameIndexInRange())
        return 1;
    int64_t opacity = static_cast<int64_t>(FrameOpacity()) * alpha / 255;
    opacity = std::clamp<int64_t>(opacity, 0, 255);
    int flags = PlainCopy ? LMDrawPlainCopy : 0;
    int sourceX = ClampToInt(static_cast<int64_t>(srcX) + GetFrameOffset());
    if (!Bitmap->Draw(hdc, dstX, dstY, width, height, sourceX, srcY, static_cast<int>(opacity),
                      flags))
        OutputDebugStringW(L"Blit failed");
    return 1;
}

int LMBitmapState::Draw(HDC hdc, int dstX, int dstY, int srcX, int srcY, int width, int height)
{
    return DrawFrame(hdc, dstX, dstY, srcX, srcY, width, height, 255);
}

int LMBitmapState::HitTest(int x, int y)
{
    if (!Bitmap || !FrameIndexInRange())
        return 0;
    if (HitMode == LMHitWholeFrame)
        return 1;
    if (HitMode == LMHitNever)
        return 0;
    if (x < InsetLeft || y < InsetTop || x >= FrameWidth - InsetRight ||
        y >= FrameHeight - InsetBottom)
        return 0;
    if (HitMode == LMHitInnerRect)
        return 1;
    int64_t column = static_cast<int64_t>(x) + GetFrameOffset();
    if (column < 0 || column >= Bitmap->Width)
        return 0;
    return Bitmap->HitTestPixel(static_cast<int>(column), y);
}

int LMBitmapState::ResizeBitmap(int frameWidth, int height, int left, int right, int top,
                                int bottom, int smoothH, int smoothV)
{
    if (!Bitmap)
        return 0;
    int result =
        Bitmap->ResizeFrames(frameWidth, height, left, right, top, bottom, smoothH, smoothV);
    FrameWidth = SeparateFrames ? Bitmap->Width : Bitmap->Width / std::max(Bitmap->FrameCount, 1);
    FrameHeight = Bitmap->Height;
    return result;
}
