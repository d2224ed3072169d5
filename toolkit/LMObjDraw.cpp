// Painting an LMObj tree: an object's state and its shown children composed
// into a device context, and the WM_PAINT of toolkit and adopted windows.

#include "LMBitmap.h"
#include "LMBitmapState.h"
#include "LMObj.h"
#include "LMObjWindow.h"
#include "LMPaintBuffer.h"
#include "LMParentBackground.h"

namespace {

bool IsEmpty(const RECT& rect)
{
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

RECT Clip(int x, int y, int width, int height, int frameWidth, int frameHeight)
{
    RECT request = LMRectFromSize(x, y, width, height);
    RECT frame{0, 0, frameWidth, frameHeight};
    RECT clip{};
    if (width <= 0 || height <= 0 || !IntersectRect(&clip, &request, &frame))
        return RECT{};
    return clip;
}

LMBitmapState* BitmapStateOf(LMVisualState* state)
{
    if (!state || state->Kind != LMStateKindBitmap)
        return nullptr;
    return dynamic_cast<LMBitmapState*>(state);
}

// The mask layer is drawn only where the state's current frame is opaque.
void DrawMaskLayer(LMBitmapState& state, HDC hdc, int originX, int originY, const RECT& clip)
{
    LMBitmap& layer = *state.MaskLayer;
    if (state.Bitmap)
        layer.MultiplyAlpha(*state.Bitmap, state.GetFrameOffset());
    layer.Draw(hdc, clip.left - originX, clip.top - originY, clip.right - clip.left,
               clip.bottom - clip.top, clip.left, clip.top, state.FrameOpacity(),
               state.PlainCopy ? LMDrawPlainCopy : 0);
}

void DrawState(LMVisualState& state, LMBitmapState* bitmapState, HDC hdc, int originX, int originY,
               const RECT& clip, float alpha)
{
    int width = clip.right - clip.left, height = clip.bottom - clip.top;
    int dstX = clip.left - originX, dstY = clip.top - originY;
    if (bitmapState) {
        bitmapState->DrawFrame(hdc, dstX, dstY, clip.left, clip.top, width, height,
                               static_cast<int>(alpha));
    } else {
        state.Draw(hdc, dstX, dstY, clip.left, clip.top, width, height);
    }
}

// Shown children from the first (bottom) to the last, each given the part of
// the request that falls in its frame; later children lie on top.
void DrawChildren(LMObj& obj, HDC target, int originX, int originY, const RECT& request,
                  float alpha)
{
    RECT insets;
    obj.GetStateMargins(&insets, nullptr, nullptr);
    int shiftX = obj.ClientOffsetX - insets.left, shiftY = obj.ClientOffsetY - insets.top;
    int width = request.right - request.left, height = request.bottom - request.top;
    for (size_t i = 0; i < obj.Children.size(); ++i) {
        LMObj* child = obj.Children[i];
        if (!child->Shown)
            continue;
        RECT cb;
        child->GetBounds(&cb);
        RECT part = Clip(request.left - cb.left + shiftX, request.top - cb.top + shiftY, width,
                         height, cb.right - cb.left, cb.bottom - cb.top);
        if (IsEmpty(part))
            continue;
        child->Draw(target, originX + shiftX - cb.left, originY + shiftY - cb.top, part.left,
                    part.top, part.right - part.left, part.bottom - part.top, alpha);
    }
}

// Ends the paint however the drawing ends.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
    ~PaintScope() { EndPaint(hwnd_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC Dc() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

class PaintBufferUse {
public:
    PaintBufferUse() { ++PaintBuffer.InUse; }
    ~PaintBufferUse() { --PaintBuffer.InUse; }
    PaintBufferUse(const PaintBufferUse&) = delete;
    PaintBufferUse& operator=(const PaintBufferUse&) = delete;
};

// An adopted window's objects lie on its parent's background; the
// toolkit's own windows are all object.
int PaintObject(LMObj& obj, HWND hwnd, bool onParentBackground)
{
    PaintScope paint(hwnd);
    const RECT& area = paint.Area();
    int width = area.right - area.left, height = area.bottom - area.top;
    if (!paint.Dc() || width <= 0 || height <= 0)
        return 1;
    if (obj.PaintViaBuffer) {
        PaintBufferUse use;
        EnsurePaintBuffer(width, height);
        if (PaintBufferFits(width, height)) {
            HDC buffer = PaintBuffer.Dc.Get();
            if (onParentBackground)
                LMDrawParentBackground(hwnd, buffer, area.left, area.top, area);
            obj.DrawOpaque(buffer, area.left, area.top, area.left, area.top, width, height);
            BitBlt(paint.Dc(), area.left, area.top, width, height, buffer, 0, 0, SRCCOPY);
            return 1;
        }
    }
    if (onParentBackground)
        LMDrawParentBackground(hwnd, paint.Dc(), 0, 0, area);
    obj.DrawOpaque(paint.Dc(), 0, 0, area.left, area.top, width, height);
    return 1;
}

}  // namespace

int LMObj::Draw(HDC hdc, int originX, int originY, int x, int y, int width, int height, float alpha)
{
    if (!Realized || !Shown)
        return 0;
    LMBitmapState* bitmapState = BitmapStateOf(CurrentState);
    bool maskMode = bitmapState && bitmapState->MaskLayer;
    RECT clip{};
    if (CurrentState)
        clip = Clip(x, y, width, height, CurrentState->FrameWidth, CurrentState->FrameHeight);
    RECT request = LMRectFromSize(x, y, width, height);
    float childAlpha = alpha * GetCurrentAlpha() / 255.0f;
    if (!maskMode) {
        if (!IsEmpty(clip))
            DrawState(*CurrentState, bitmapState, hdc, originX, originY, clip, alpha);
        DrawChildren(*this, hdc, originX, originY, request, childAlpha);
        return 1;
    }
    // The children go into the cleared mask layer, in frame coordinates.
    LMBitmap& layer = *bitmapState->MaskLayer;
    layer.Clear();
    DrawChildren(*this, layer.GetDC(), 0, 0, request, childAlpha);
    if (!IsEmpty(clip))
        DrawMaskLayer(*bitmapState, hdc, originX, originY, clip);
    return 1;
}

int LMObj::DrawOpaque(HDC hdc, int originX, int originY, int x, int y, int width, int height)
{
    return Draw(hdc, originX, originY, x, y, width, height, 255.0f);
}

int LMObj::OnPaint(HWND hwnd)
{
    return PaintObject(*this, hwnd, false);
}

int PaintAdoptedWindow(LMObj* object, HWND hwnd)
{
    if (!IsValidLMObj(object)) {
        ValidateRect(hwnd, nullptr);
        return 0;
    }
    return PaintObject(*object, hwnd, true);
}
