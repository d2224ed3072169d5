#include "LMFontCache.h"

#include "Md5.h"

#include <cstring>
#include <string>

static_assert(sizeof(LOGFONTA) == 60, "the font key hashes the 60-byte LOGFONTA");
static_assert(LF_FACESIZE == 32, "LOGFONTA holds 31 face bytes and a zero");

namespace
{

int ScreenPixelsPerInchY()
{
    ScopedWindowDC screen(nullptr);
    int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}

// Bytes of a whole character run that fit in `limit`, never splitting a
// double-byte character.
size_t WholeCharacterPrefix(const std::string& text, UINT codePage, size_t limit)
{
    size_t end = 0;
    while (end < text.size()) {
        size_t step = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(text[end])) ? 2 : 1;
        if (end + step > limit || end + step > text.size())
            break;
        end += step;
    }
    return end;
}

} // namespace

void LMFontFaceToAnsi(const wchar_t* face, UINT codePage, char (&field)[LF_FACESIZE])
{
    std::memset(field, 0, sizeof(field));
    if (!face || !*face)
        return;
    int needed = WideCharToMultiByte(codePage, 0, face, -1, nullptr, 0, nullptr, nullptr);
    if (needed <= 1)
        return;
    std::string ansi(static_cast<size_t>(needed), '\0');
    if (!WideCharToMultiByte(codePage, 0, face, -1, ansi.data(), needed, nullptr, nullptr))
        return;
    ansi.resize(std::strlen(ansi.c_str()));
    size_t kept = WholeCharacterPrefix(ansi, codePage, LF_FACESIZE - 1);
    std::memcpy(field, ansi.data(), kept);
}

LOGFONTA LMFontCache::Describe(
    const wchar_t* face, int size, int bold, int italic, int underline, int charset, int quality)
{
    LOGFONTA font;
    std::memset(&font, 0, sizeof(font)); // every byte is hashed
    font.lfHeight = size;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = italic ? 1 : 0;
    font.lfUnderline = underline ? 1 : 0;
    font.lfCharSet = static_cast<BYTE>(charset);
    font.lfQuality = static_cast<BYTE>(quality);
    LMFontFaceToAnsi(face, CP_ACP, font.lfFaceName);
    return font;
}

uint32_t LMFontCache::FontKey(
    const wchar_t* face, int size, int bold, int italic, int underline, int charset, int quality)
{
    LOGFONTA font = Describe(face, size, bold, italic, underline, charset, quality);
    return Md5Key32(&font, sizeof(font));
}

LMFontCache& LMFontCache::Instance()
{
    static LMFontCache cache;
    return cache;
}

HFONT LMFontCache::GetFont(
    const wchar_t* face, int size, int bold, int italic, int underline, int charset, int quality)
{
    LOGFONTA font = Describe(face, size, bold, italic, underline, charset, quality);
    // Keyed before the points become pixels: a size in points never meets one in pixels.
    uint32_t key = Md5Key32(&font, sizeof(font));
    auto found = fonts_.find(key);
    if (found != fonts_.end())
        return found->second.Get();
    if (size >= 0)
        font.lfHeight = -MulDiv(size, ScreenPixelsPerInchY(), 72);
    ScopedFont& slot = fonts_[key];
    slot.Reset(CreateFontIndirectA(&font));
    return slot.Get();
}
