// The four-argument shadow forms: a black shadow under the picture. The
// settings page draws the same shadows, so these build into a library of
// their own.

#include "LMBitmap.h"
#include "LMBitmapState.h"

namespace {

constexpr COLORREF kShadowBlack = 0;

}  // namespace

int LMBitmap::MakeShadow(int offsetX, int offsetY, int sharpness, int darkness, int* marginLeft,
                         int* marginTop)
{
    return MakeShadow(offsetX, offsetY, sharpness, darkness, kShadowBlack, marginLeft, marginTop,
                      0);
}

int LMBitmapState::AddShadow(int offsetX, int offsetY, int sharpness, int darkness)
{
    return AddShadow(offsetX, offsetY, sharpness, darkness, kShadowBlack, 0);
}
