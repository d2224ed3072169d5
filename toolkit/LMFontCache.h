#pragma once
// One shared GDI font per font description, created on first request and kept
// for the life of the process. Text states ask it for their fonts.

#include "ScopedWin.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>

class LMFontCache
{
public:
    // The process-wide cache; a repeated toolkit start keeps it.
    static LMFontCache& Instance();

    // size >= 0 is points, below 0 pixels. The caller never deletes the font.
    // A font that could not be created stays cached as null.
    HFONT GetFont(const wchar_t* face, int size, int bold, int italic, int underline, int charset,
        int quality);

    // The description a request is keyed by (height still the size argument), and its key.
    static LOGFONTA Describe(const wchar_t* face, int size, int bold, int italic, int underline,
        int charset, int quality);
    static uint32_t FontKey(const wchar_t* face, int size, int bold, int italic, int underline,
        int charset, int quality);

    size_t Count() const { return fonts_.size(); }

private:
    // Keys only: two descriptions whose keys collide share the first font.
    std::unordered_map<uint32_t, ScopedFont> fonts_;
};

// The face in a code page, cut to at most 31 bytes on a character boundary;
// the rest of the 32-byte field is zero. Characters the code page lacks become
// its default character.
void LMFontFaceToAnsi(const wchar_t* face, UINT codePage, char (&field)[LF_FACESIZE]);
