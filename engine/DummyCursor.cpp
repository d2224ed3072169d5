#include "DummyCursor.h"

#include "EngineWorld.h"

namespace {

// Cursors are at most a few hundred pixels wide; anything larger is not one.
constexpr int32_t kMaxMaskSide = 1024;

// The bitmaps GetIconInfo makes belong to the caller.
class IconBitmaps {
public:
    ICONINFO Info = {};
    IconBitmaps() = default;
    ~IconBitmaps()
    {
        if (Info.hbmMask)
            World().DeleteObject(Info.hbmMask);
        if (Info.hbmColor)
            World().DeleteObject(Info.hbmColor);
    }
    IconBitmaps(const IconBitmaps&) = delete;
    IconBitmaps& operator=(const IconBitmaps&) = delete;
};

bool Bit(const CursorPicture& picture, int32_t x, int32_t y)
{
    uint8_t byte = picture.Mask[static_cast<size_t>(y) * picture.RowBytes + x / 8];
    return (byte >> (7 - x % 8)) & 1;
}

bool HalfIs(const CursorPicture& picture, int32_t firstRow, bool value)
{
    int32_t rows = picture.Height / 2;
    for (int32_t y = firstRow; y < firstRow + rows; ++y) {
        for (int32_t x = 0; x < picture.Width; ++x) {
            if (Bit(picture, x, y) != value)
                return false;
        }
    }
    return true;
}

bool ReadMask(HBITMAP mask, CursorPicture* picture)
{
    BITMAP info = {};
    if (World().GetObjectW(mask, sizeof(info), &info) <= 0)
        return false;
    if (info.bmBitsPixel != 1 || info.bmPlanes != 1 || info.bmWidth <= 0 || info.bmHeight <= 0 ||
        info.bmWidth > kMaxMaskSide || info.bmHeight > kMaxMaskSide ||
        static_cast<int64_t>(info.bmWidthBytes) * 8 < info.bmWidth ||
        info.bmWidthBytes > kMaxMaskSide)
        return false;
    int64_t bytes = static_cast<int64_t>(info.bmWidthBytes) * info.bmHeight;
    picture->Mask.assign(static_cast<size_t>(bytes), 0);
    LONG read = World().GetBitmapBits(mask, static_cast<LONG>(bytes), picture->Mask.data());
    if (read != bytes)
        return false;
    picture->Width = info.bmWidth;
    picture->Height = info.bmHeight;
    picture->RowBytes = info.bmWidthBytes;
    return true;
}

}  // namespace

bool DrawsNothing(const CursorPicture& picture)
{
    if (picture.HasColour || picture.Width <= 0 || picture.Height <= 0 || picture.Height % 2 ||
        static_cast<int64_t>(picture.RowBytes) * 8 < picture.Width)
        return false;
    if (picture.Mask.size() < static_cast<size_t>(picture.RowBytes) * picture.Height)
        return false;
    return HalfIs(picture, 0, true) && HalfIs(picture, picture.Height / 2, false);
}

bool IsDummyPicture(const CursorPicture& picture)
{
    return picture.HotX == kDummyHotSpotX && picture.HotY == kDummyHotSpotY &&
           DrawsNothing(picture);
}

bool ReadCursorPicture(HCURSOR cursor, CursorPicture* picture)
{
    *picture = CursorPicture{};
    IconBitmaps bitmaps;
    if (!cursor || !World().GetIconInfo(cursor, &bitmaps.Info) || !bitmaps.Info.hbmMask)
        return false;
    picture->HotX = static_cast<int32_t>(bitmaps.Info.xHotspot);
    picture->HotY = static_cast<int32_t>(bitmaps.Info.yHotspot);
    picture->HasColour = bitmaps.Info.hbmColor != nullptr;
    return ReadMask(bitmaps.Info.hbmMask, picture);
}

bool ShowsDummy(HCURSOR cursor)
{
    CursorPicture picture;
    return ReadCursorPicture(cursor, &picture) && IsDummyPicture(picture);
}
