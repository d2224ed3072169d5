#pragma once
// The toolkit's image: a reference-counted 32-bit bottom-up DIB section with
// flags that say how its pixels blend. Pixels are B G R A; image row y (0 =
// top) lies at memory row Height - 1 - y.

#include "ScopedWin.h"

#include <cstdint>

// Constructor flags.
constexpr int LMBitmapColorKeyed = 0x02;
constexpr int LMBitmapHasAlpha = 0x10;
constexpr int LMBitmapPremultiplied = 0x20;
constexpr int LMBitmapSharedDC = 0x40;

// Draw flags.
constexpr int LMDrawPlainCopy = 2;

// Magenta marks transparent pixels in bitmaps without per-pixel alpha.
constexpr uint32_t kLMColorKey = 0x00FF00FF;

// Largest pixel buffer a bitmap may have; sizes from files are capped by it.
constexpr uint64_t kLMMaxDibBytes = 256u * 1024 * 1024;

// Picks the outlined text constructor, whose other arguments would otherwise
// read like the plain one's.
struct LMOutlinedTextTag {};
constexpr LMOutlinedTextTag LMOutlinedText{};

class LMBitmap {
public:
    LMBitmap(int width, int height, int flags);
    LMBitmap(const LMBitmap& source);
    LMBitmap(HBITMAP bitmap, int flags);
    // An image file: ".bmp", ".png", ".tga" or ".jpg" (a JPEG may take its
    // alpha from a "#MASK#.jpg" companion); no handle when it cannot load.
    LMBitmap(const wchar_t* path, int flags);
    // Text as coverage in alpha over the colour, not premultiplied; width 0
    // is the text's own, a negative width allows two lines of that width.
    // Defined in panel/, which draws its texts this way.
    LMBitmap(const wchar_t* text, HFONT font, COLORREF color, int alignment, int width, int height,
             int supersample, int caretIndex);
    // The same with a soft one-pixel ring in the outline colour round the
    // glyphs; a magenta text colour leaves only the ring.
    LMBitmap(LMOutlinedTextTag, const wchar_t* text, HFONT font, COLORREF color,
             COLORREF outlineColor, int alignment, int width, int height, int supersample);
    LMBitmap& operator=(const LMBitmap&) = delete;
    virtual ~LMBitmap();

    int AddRef();
    int Release();

    // A DC with this bitmap selected; from the shared cache it is valid only
    // until the next bitmap misses the cache, so use it at once.
    HDC GetDC();
    void ReleaseSharedDC();

    int Clear();
    int ClearRect(int x, int y, int width, int height);
    int ColorKeyToAlpha();
    int Premultiply();
    int MultiplyAlpha(const LMBitmap& source, int columnOffset);
    int HitTestPixel(int x, int y) const;
    HRGN CreateRegion(int srcX, int srcY, int width, int height);

    // alpha is 0..255, or -1 for a plain copy.
    int Draw(HDC hdc, int x, int y, int width, int height, int srcX, int srcY, int alpha,
             int flags);
    int AlphaBlit(HDC hdc, int x, int y, int width, int height, int srcX, int srcY, int alpha);
    int TrimToFrames(int frameCount);

    // Resampling in place; a 0 size keeps that dimension.
    int Resize(int width, int height, int discard);
    int ResizeFrames(int frameWidth, int height, int left, int right, int top, int bottom,
                     int smoothH, int smoothV);

    // The lower half of the bitmap becomes the alpha of the upper half.
    int ApplyAlphaMask();

    // Grows every frame to hold a soft drop shadow; 0 and no change when it
    // cannot. Defined in engine/, so only programs that draw shadows link it.
    int MakeShadow(int offsetX, int offsetY, int sharpness, int darkness, COLORREF color,
                   int* marginX, int* marginY, int shadowOnly);

    // The four-argument form: a black shadow drawn under the picture.
    // Defined in panel/.
    int MakeShadow(int offsetX, int offsetY, int sharpness, int darkness, int* marginLeft,
                   int* marginTop);

    // Turns the hue of every coloured pixel by hueShift; brightness and
    // contrast are taken but not used. Defined in cpl/, which alone adjusts
    // colours.
    int AdjustColors(int hueShift, int brightness, int contrast);

    // Panel helpers, defined in panel/. RenderText is the plain text
    // constructor's body. Downsample shrinks in place by LMSupersampleFactor
    // (box average); 0 and no change unless the factor is 2, 3 or 4 and the
    // result has pixels. The colour form takes alpha from the blue bytes.
    int RenderText(const wchar_t* text, HFONT font, COLORREF color, int alignment, int width,
                   int height, int supersample, int caretIndex);
    int Downsample(COLORREF color);
    int Downsample();
    // Inclusive bounds of the pixels above alpha 15 in the first frame,
    // row 0 at the top; the whole frame when none is.
    int OpaqueBounds(int* left, int* top, int* right, int* bottom) const;

    // Takes ownership of a new 32-bit DIB and puts it in place of the old one.
    void ReplaceDib(HBITMAP dib);

    static HBITMAP CreateDibSection(int width, int height, int bitsPerPixel);
    static HBITMAP CreateDib32(int width, int height);
    static int ConvertTo32Bpp(HBITMAP* bitmap);

    bool HasPixels() const { return Dib.bmBits != nullptr && Dib.bmBitsPixel == 32; }
    // Image row y, counted from the top.
    uint32_t* Row(int y) const;
    uint32_t* PixelAt(int x, int y) const { return Row(y) + x; }

    int32_t RefCount = 0;
    int32_t Keep = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t FrameCount = 1;
    BITMAP Dib{};
    ScopedBitmap Handle;
    HGDIOBJ PrevBitmap = nullptr;
    int32_t NoBlend = 0;
    int32_t HasAlpha = 0;
    int32_t ColorKeyed = 0;
    int32_t Premultiplied = 0;
    ScopedMemoryDC OwnDC;
    int32_t SharedDC = 0;

protected:
    void TakeFlags(int flags);
    void AttachOwnDC();
    void RefreshDescription();
};
