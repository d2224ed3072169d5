#pragma once
// The arithmetic of the panel's bitmap texts, apart from GDI: the scale a
// text is drawn at, its font height, its box arguments and drawing flags, and
// where a two-line text breaks.

#include <windows.h>

#include <cstdint>
#include <string>

// The largest side of a drawn (scaled) text box: larger requests are cut, so
// a huge text or box cannot ask for a DIB that fails.
constexpr int kTextMaxBoxSide = 4096;

// Work copies of texts keep this much spare room, as the caret editing of
// other texts expects.
constexpr size_t kTextSpareRoom = 512;

// The factor a text is drawn larger by: the supersampling factor when asked
// for and 2..4, else 1 (a text at factor 1 is simply not shrunk).
int TextScale(int supersample, int factor);

// The LOGFONT height of a point size at a fixed 120 pixels per inch, scaled
// before the division so no precision is lost.
int TextFontHeight(int size, int scale);

// The font of a text request; the face is cut to fit LOGFONT.
LOGFONTW TextLogFont(const wchar_t* face, int size, int scale, int bold, int italic, int underline,
                     int strikeOut, int charset);

// A box width or height argument times the scale, within the largest box.
int ScaleBoxArgument(int value, int scale);

// A measured box side held to 1..kTextMaxBoxSide and rounded up to a
// multiple of step (the largest box rounds down).
int TextBoxSide(int64_t measured, int step);

// DrawTextW alignment of an alignment code: 1 left, 2 centre, 4 right, any
// other left; always without prefix processing.
UINT TextAlignmentFormat(int alignment);

// The flags a text box is drawn with: a negative width (two-line mode) cuts
// with an ellipsis; otherwise tabs expand and a given width wraps words.
UINT TextDrawFlags(int alignment, int width);

// Where a text longer than its two-line box breaks: the space nearest the
// middle, the later one first; -1 when there is none.
int FindTwoLineBreak(const std::wstring& text);
