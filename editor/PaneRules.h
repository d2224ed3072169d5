#pragma once
// The rules of the property panes that need no window: how numbers are
// written into boxes and read back, what a commit stores, and where the
// cursors page's scroll bar moves.

#include <windows.h>

#include <cstdint>
#include <string>

// How a box writes or reads its number.
enum class BoxSign { Unsigned, Signed };

// How one pane shows and reads each of its number boxes.
struct PaneFormat {
    BoxSign FramesShown, FramesRead;
    BoxSign HotSpotShown, HotSpotRead;
    BoxSign IntervalShown, IntervalRead;
};

// By grid: cursors, effects, trails.
extern const PaneFormat kPaneFormats[3];

// The interval an empty item's pane shows.
constexpr int32_t kEmptyPaneInterval = 50;

// The value as a box shows it: unsigned boxes show the 32 bits unsigned.
std::wstring FormatBoxNumber(int32_t value, BoxSign sign);

// An optional sign (signed boxes only) and at least one decimal digit, the
// digits taken modulo 2^32, so a value a box shows reads back as the same 32
// bits; any other text (null included) reads 0.
int32_t ReadBoxNumber(const wchar_t* text, BoxSign sign);

// Frames as stored: at least 1, and with an image (width > 0) no more than
// the image is pixels wide, so that no frame is empty.
int32_t StoredFrames(int32_t frames, int32_t imageWidth);

// The frame flags a commit gives an entry's state: the preview always loops,
// and ping-pongs for an alternate animation.
int32_t CommittedFrameFlags(int32_t alternate);

// Whether two scripts are the same text ignoring letter case; null counts
// as empty.
bool SameScript(const wchar_t* first, const wchar_t* second);

// The cursors page's scroll position after a scroll bar code, from the
// bar's range, page, position and tracking position.
int ScrolledPosition(int code, const SCROLLINFO& bar);

// A hot spot set by a click at (x, y) of a picture of one frame of that
// size: inside the frame, 0..width - 1 and 0..height - 1 (a click on the
// cell's label or margin takes the nearest edge).
POINT HotSpotInFrame(int x, int y, int frameWidth, int frameHeight);
