#include "TextLayout.h"

#include <algorithm>
#include <cwchar>

namespace {

// 120 pixels per inch over 72 points per inch.
constexpr int64_t kPixelsPerInch = 120;
constexpr int64_t kPointsPerInch = 72;
// Far beyond any readable text; keeps the height arithmetic inside int.
constexpr int64_t kMaxFontHeight = 16384;

}  // namespace

int TextScale(int supersample, int factor)
{
    return supersample && factor >= 2 && factor <= 4 ? factor : 1;
}

int TextFontHeight(int size, int scale)
{
    int64_t height = static_cast<int64_t>(size) * scale * kPixelsPerInch / kPointsPerInch;
    return static_cast<int>(std::clamp(height, -kMaxFontHeight, kMaxFontHeight));
}

LOGFONTW TextLogFont(const wchar_t* face, int size, int scale, int bold, int italic, int underline,
                     int strikeOut, int charset)
{
    LOGFONTW font{};
    font.lfHeight = TextFontHeight(size, scale);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = italic ? 1 : 0;
    font.lfUnderline = underline ? 1 : 0;
    font.lfStrikeOut = strikeOut ? 1 : 0;
    font.lfCharSet = static_cast<BYTE>(charset);
    font.lfQuality = ANTIALIASED_QUALITY;
    if (face)
        wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

int ScaleBoxArgument(int value, int scale)
{
    int64_t scaled = static_cast<int64_t>(value) * scale;
    return static_cast<int>(std::clamp<int64_t>(scaled, -kTextMaxBoxSide, kTextMaxBoxSide));
}

int TextBoxSide(int64_t measured, int step)
{
    step = std::max(step, 1);
    const int64_t largest = kTextMaxBoxSide / step * step;
    const int64_t side = std::clamp<int64_t>(measured, 1, kTextMaxBoxSide);
    return static_cast<int>(std::min(largest, (side + step - 1) / step * step));
}

UINT TextAlignmentFormat(int alignment)
{
    switch (alignment) {
    case 2:
        return DT_CENTER | DT_NOPREFIX;
    case 4:
        return DT_RIGHT | DT_NOPREFIX;
    default:
        return DT_LEFT | DT_NOPREFIX;
    }
}

UINT TextDrawFlags(int alignment, int width)
{
    UINT flags = TextAlignmentFormat(alignment);
    if (width < 0)
        return flags | DT_WORD_ELLIPSIS;
    flags |= DT_EXPANDTABS;
    if (width > 0)
        flags |= DT_WORDBREAK;
    return flags;
}

int FindTwoLineBreak(const std::wstring& text)
{
    const int middle = static_cast<int>(text.size() / 2);
    for (int i = 0; i < middle; ++i) {
        if (text[middle + i] == L' ')
            return middle + i;
        if (text[middle - i] == L' ')
            return middle - i;
    }
    return -1;
}
