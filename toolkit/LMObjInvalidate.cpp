// How a changed area of an LMObj reaches the screen: a paint of the holder
// window, an update of a layered window from its back buffer, or a window
// region; at once on the window's thread or posted as a deferred redraw.

#include "LMBitmap.h"
#include "LMBitmapState.h"
#include "LMLayeredBatch.h"
#include "LMObj.h"
#include "LMObjWindow.h"
#include "LMPostedRect.h"
#include "LMProcs.h"

#include <memory>

namespace {

int Width(const RECT& rect)
{
    return rect.right - rect.left;
}

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

bool IsDeferred(int mode)
{
    return (mode & 2) != 0;
}

// Redraws a client rectangle synchronously through the paint buffer.
void RedrawNow(LMObj& obj, HWND window, const RECT& client)
{
    obj.PaintViaBuffer = 1;
    RedrawWindow(window, &client, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    obj.PaintViaBuffer = 0;
}

// Only the clip is redrawn into the back buffer; then the whole window is
// re-blended from it, at once or when the open batch closes. An empty frame
// has nothing to show.
int UpdateLayered(LMObj& obj, const RECT& clip)
{
    LMBitmap* buffer = obj.BackBuffer.get();
    if (!buffer || !buffer->HasPixels() || !obj.Window)
        return 0;
    buffer->ClearRect(clip.left, clip.top, Width(clip), Height(clip));
    obj.DrawOpaque(buffer->GetDC(), 0, 0, clip.left, clip.top, Width(clip), Height(clip));
    if (!LMBatchLayeredPicture(obj))
        LMPresentLayered(obj);
    return 1;
}

// The window takes the shape of the opaque pixels of the object's image.
int ShapeWindow(LMObj& obj, const RECT& bounds)
{
    LMBitmapState* state = dynamic_cast<LMBitmapState*>(obj.CurrentState);
    bool premultiplied = false;
    if (state && state->Bitmap) {
        state->Bitmap->NoBlend = 1;
        premultiplied = state->Bitmap->Premultiplied != 0;
    }
    int width = Width(bounds), height = Height(bounds);
    if (!obj.Window || width <= 0 || height <= 0)
        return 0;
    LMBitmap image(width, height, premultiplied ? LMBitmapPremultiplied : LMBitmapColorKeyed);
    if (!image.HasPixels())
        return 0;
    image.NoBlend = 1;
    obj.DrawOpaque(image.GetDC(), 0, 0, 0, 0, width, height);
    image.Premultiplied = 1;
    ScopedRegion opaque(image.CreateRegion(0, 0, width, height));
    ScopedRegion shape(CreateRectRgn(0, 0, 0, 0));
    if (opaque && shape && CombineRgn(shape.Get(), opaque.Get(), nullptr, RGN_COPY) != ERROR) {
        // The window owns its region from here on.
        if (SetWindowRgn(obj.Window, shape.Get(), TRUE))
            shape.Release();
    }
    ScopedWindowDC windowDC(obj.Window);
    BitBlt(windowDC.Get(), 0, 0, width, height, image.GetDC(), 0, 0, SRCCOPY);
    obj.RegionShaped = 1;
    return 1;
}

}  // namespace

void LMPresentLayered(LMObj& obj)
{
    LMBitmap* buffer = obj.BackBuffer.get();
    if (!buffer || !buffer->HasPixels() || !obj.Window || !LMProcs::UpdateLayeredWindow)
        return;
    RECT bounds;
    obj.GetBounds(&bounds);
    POINT destination{bounds.left, bounds.top};
    SIZE size{buffer->Width, buffer->Height};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    // No screen DC: it only picks a palette, and getting one costs a round
    // trip to the window system on every frame.
    LMProcs::UpdateLayeredWindow(obj.Window, nullptr, &destination, &size, buffer->GetDC(), &source,
                                 0, &blend, ULW_ALPHA);
}

int LMObj::Invalidate(int mode)
{
    if (!Realized)
        return 0;
    RECT bounds;
    GetBounds(&bounds);
    if (TypeWord == LMObjWindowless || TypeWord == LMObjLayered)
        return InvalidateRect(0, 0, Width(bounds), Height(bounds), mode);
    if (TypeWord == LMObjRegionShaped) {
        if (IsDeferred(mode))
            return LMPostRedraw(Window, nullptr, LMRedrawWhole);
        ShapeWindow(*this, bounds);
        return 1;
    }
    if (TypeWord & LMObjWindowHolderBit)
        return InvalidateRect(ClientOffsetX, ClientOffsetY, Width(bounds), Height(bounds), mode);
    return 0;
}

int LMObj::InvalidateRect(int x, int y, int width, int height, int mode)
{
    if (!Realized || !Shown)
        return 0;
    bool deferred = IsDeferred(mode);
    RECT bounds;
    GetBounds(&bounds);
    RECT request = LMRectFromSize(x, y, width, height);
    RECT frame{ClientOffsetX, ClientOffsetY, ClientOffsetX + Width(bounds),
               ClientOffsetY + Height(bounds)};
    RECT clip;
    if (width <= 0 || height <= 0 || !IntersectRect(&clip, &request, &frame))
        return 0;
    if (TypeWord == LMObjWindowless) {
        if (!Parent)
            return 0;
        RECT insets;
        Parent->GetStateMargins(&insets, nullptr, nullptr);
        return Parent->InvalidateRect(bounds.left + insets.left + clip.left,
                                      bounds.top + insets.top + clip.top, Width(clip), Height(clip),
                                      mode);
    }
    if (TypeWord == LMObjLayered) {
        if (!deferred)
            return UpdateLayered(*this, clip);
        RECT frameRect{clip.left, clip.top, Width(clip), Height(clip)};
        return LMPostRedraw(Window, &frameRect, LMRedrawFrameRect);
    }
    RECT client = clip;
    if (TypeWord == LMObjRegionShaped) {
        if (!RegionShaped) {
            Invalidate(deferred ? LMRepaintDeferred : LMRepaintNow);
            return 1;
        }
    } else if (TypeWord & LMObjWindowHolderBit) {
        OffsetRect(&client, -ClientOffsetX, -ClientOffsetY);
    } else {
        return 0;
    }
    if (!Window)
        return 0;
    if (deferred)
        return LMPostRedraw(Window, &client, LMRedrawClientRect);
    RedrawNow(*this, Window, client);
    return 1;
}

void LMHandleDeferredRedraw(LMObj& obj, HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    std::unique_ptr<RECT> rect = LMTakePostedRect(wParam);
    if (lParam == LMRedrawClientRect && rect)
        RedrawNow(obj, hwnd, *rect);
    else if (lParam == LMRedrawFrameRect && rect)
        obj.InvalidateRect(rect->left, rect->top, rect->right, rect->bottom, LMRepaintNow);
    else if (lParam == LMRedrawWhole)
        obj.Invalidate(LMRepaintNow);
}
