// LMBitmap::CreateRegion: the window region of a bitmap's opaque pixels.

#include "LMBitmap.h"

#include <algorithm>
#include <vector>

namespace {

// Rectangles go to the region in batches, as one huge RGNDATA is slow to build.
constexpr size_t kRectsPerBatch = 2000;

class RegionBuilder {
public:
    void AddRun(int x0, int x1, int y)
    {
        rects_.push_back(RECT{x0, y, x1, y + 1});
        if (rects_.size() == kRectsPerBatch)
            Flush();
    }

    HRGN Finish()
    {
        Flush();
        if (!result_)
            result_.Reset(CreateRectRgn(0, 0, 0, 0));
        return result_.Release();
    }

private:
    void Flush()
    {
        if (rects_.empty())
            return;
        std::vector<uint8_t> data(sizeof(RGNDATAHEADER) + rects_.size() * sizeof(RECT));
        auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
        header->dwSize = sizeof(RGNDATAHEADER);
        header->iType = RDH_RECTANGLES;
        header->nCount = static_cast<DWORD>(rects_.size());
        header->rcBound = Bounds();
        std::copy(rects_.begin(), rects_.end(),
                  reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER)));
        ScopedRegion part(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                          reinterpret_cast<RGNDATA*>(data.data())));
        rects_.clear();
        if (!part)
            return;
        if (!result_)
            result_ = std::move(part);
        else
            CombineRgn(result_.Get(), result_.Get(), part.Get(), RGN_OR);
    }

    RECT Bounds() const
    {
        RECT bounds{0x7FFFFFFF, 0x7FFFFFFF, 0, 0};
        for (const RECT& r : rects_) {
            bounds.left = std::min(bounds.left, r.left);
            bounds.top = std::min(bounds.top, r.top);
            bounds.right = std::max(bounds.right, r.right);
            bounds.bottom = std::max(bounds.bottom, r.bottom);
        }
        return bounds;
    }

    std::vector<RECT> rects_;
    ScopedRegion result_;
};

}  // namespace

// Coordinates are relative to (srcX, srcY); pixels outside the bitmap count
// as transparent.
HRGN LMBitmap::CreateRegion(int srcX, int srcY, int width, int height)
{
    if (!Handle || !HasPixels() || width <= 0 || height <= 0)
        return nullptr;
    bool alphaDecides = Premultiplied != 0;
    RegionBuilder builder;
    int64_t firstX = std::max<int64_t>(0, -static_cast<int64_t>(srcX));
    int64_t endX = std::min<int64_t>(width, static_cast<int64_t>(Width) - srcX);
    for (int y = 0; y < height; ++y) {
        int64_t imageY = static_cast<int64_t>(srcY) + y;
        if (imageY < 0 || imageY >= Height)
            continue;
        const uint32_t* row = Row(static_cast<int>(imageY));
        int64_t x = firstX;
        while (x < endX) {
            auto opaque = [&](int64_t column) {
                uint32_t pixel = row[column + srcX];
                return alphaDecides ? (pixel >> 24) != 0 : (pixel & 0x00FFFFFF) != kLMColorKey;
            };
            while (x < endX && !opaque(x))
                ++x;
            int64_t start = x;
            while (x < endX && opaque(x))
                ++x;
            if (x > start)
                builder.AddRun(static_cast<int>(start), static_cast<int>(x), y);
        }
    }
    return builder.Finish();
}
