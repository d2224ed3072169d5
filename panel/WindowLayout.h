#pragma once
// The main window's layout as data: one row per object (factory, id,
// parent, position, size, skin, text), built in table order. A row's parent
// and keep are the addresses of the pointers that hold the parent and that
// take the new object, so later rows and the pages' code find what earlier
// rows made.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

class LMObj;
struct PanelList;

// Which factory makes a row's object.
enum class Make : uint8_t {
    Image,      // a PNG picture, hit where its pixels are
    Frame,      // a PNG stretched to the size, its insets kept, never hit
    Area,       // a blank area of the size, hit all over
    Clip,       // a blank area that only holds and clips its children
    Empty,      // a blank "null" state of 10 x 10, filled later
    Label,      // a text
    Button,     // a push button with a caption
    UpArrow,    // a scroll arrow: a small push button with the up glyph
    DownArrow,  // the same with the down glyph
    Link,       // a text link
    TextTab,    // a text tab: "Default" and "Selected" captions
    ImageTab,   // the picture under a text tab: PNG 184 "Default", 185 "Selected"
    Toggle,     // a PNG 207 picture with a second state "Enabled" (PNG 208)
    SoundIcon,  // a sound slot's icon: "blank" (10 x 10) and "sound" (PNG 223)
};

// The size and colour of a row's text.
enum class TextLook : uint8_t {
    Plain,        // label size, black: buttons, links, settings texts
    Title,        // page titles: 22 points, RGB(0, 51, 153)
    Description,  // page descriptions and About texts: page text size
    Row,          // list labels and captions: row size
    Tab,          // side-tab captions: tab size, white
};

// Flags of a row.
constexpr uint32_t kLayoutHidden = 1;
constexpr uint32_t kLayoutHitWhole = 2;           // hit all over, whatever its factory gives
constexpr uint32_t kLayoutMovable = 4;            // a scroll thumb
constexpr uint32_t kLayoutRightAligned = 8;       // X is the right edge
constexpr uint32_t kLayoutShadowed = 0x10;        // a drop shadow 1, 1, sharpness 4, darkness 128
constexpr uint32_t kLayoutOnlyNt6 = 0x20;         // built on Windows NT 6 and later only
constexpr uint32_t kLayoutOnlyEnglish = 0x40;     // built only when the language has no file
constexpr uint32_t kLayoutSelected = 0x80;        // starts in "Selected" / "Enabled"
constexpr uint32_t kLayoutHitNever = 0x100;       // never hit: what lies below gets the pointer
constexpr uint32_t kLayoutCentredInBand = 0x200;  // centred in Height pixels below Y

struct Insets {
    int Left = 0;
    int Right = 0;
    int Top = 0;
    int Bottom = 0;
};

struct LayoutRow {
    Make Factory = Make::Image;
    int Id = 0;
    LMObj* const* Parent = nullptr;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    int Png = 0;
    int Text = 0;                     // UI text, 0 for none
    const wchar_t* Format = nullptr;  // "%s" of the UI text; the text itself without one
    TextLook Look = TextLook::Plain;
    uint32_t Flags = 0;
    LMObj** Keep = nullptr;
    Insets Border{};
    const wchar_t* Group = nullptr;
};

// The rows of each factory, by what the tables give.
constexpr LayoutRow ImageRow(LMObj* const* parent, int id, int x, int y, int png,
                             uint32_t flags = 0, LMObj** keep = nullptr)
{
    LayoutRow row;
    row.Factory = Make::Image;
    row.Id = id;
    row.Parent = parent;
    row.X = x;
    row.Y = y;
    row.Png = png;
    row.Flags = flags;
    row.Keep = keep;
    return row;
}

constexpr LayoutRow LabelRow(LMObj* const* parent, int id, int x, int y, int text, TextLook look,
                             int width = 0, uint32_t flags = 0, LMObj** keep = nullptr)
{
    LayoutRow row;
    row.Factory = Make::Label;
    row.Id = id;
    row.Parent = parent;
    row.X = x;
    row.Y = y;
    row.Width = width;
    row.Text = text;
    row.Look = look;
    row.Flags = flags;
    row.Keep = keep;
    return row;
}

// A label or link of a fixed text, or of a UI text in a format.
constexpr LayoutRow FormatRow(Make factory, LMObj* const* parent, int id, int x, int y,
                              const wchar_t* format, int text, TextLook look, uint32_t flags = 0)
{
    LayoutRow row = LabelRow(parent, id, x, y, text, look, 0, flags);
    row.Factory = factory;
    row.Format = format;
    return row;
}

// Every push button of the pages is 97 x 27.
constexpr LayoutRow ButtonRow(LMObj* const* parent, int id, int x, int y, int text)
{
    LayoutRow row = LabelRow(parent, id, x, y, text, TextLook::Plain);
    row.Factory = Make::Button;
    row.Width = 97;
    row.Height = 27;
    return row;
}

constexpr LayoutRow LinkRow(LMObj* const* parent, int id, int x, int y, int text,
                            uint32_t flags = 0, LMObj** keep = nullptr)
{
    LayoutRow row = LabelRow(parent, id, x, y, text, TextLook::Plain, 0, flags, keep);
    row.Factory = Make::Link;
    return row;
}

constexpr LayoutRow AreaRow(Make factory, LMObj* const* parent, int id, int x, int y, int width,
                            int height, LMObj** keep, uint32_t flags = 0)
{
    LayoutRow row = ImageRow(parent, id, x, y, 0, flags, keep);
    row.Factory = factory;
    row.Width = width;
    row.Height = height;
    return row;
}

constexpr LayoutRow FrameRow(LMObj* const* parent, int x, int y, int width, int height, int png,
                             Insets border, LMObj** keep)
{
    LayoutRow row = AreaRow(Make::Frame, parent, 0, x, y, width, height, keep);
    row.Png = png;
    row.Border = border;
    return row;
}

constexpr LayoutRow TabRow(LMObj* const* parent, int id, int x, int text, uint32_t flags,
                           LMObj** keep)
{
    LayoutRow row = LabelRow(parent, id, x, 0, text, TextLook::Plain, 0, flags, keep);
    row.Factory = Make::TextTab;
    return row;
}

// A text tab's picture, 120 px wide, at the top of the parent.
constexpr LayoutRow ImageTabRow(LMObj* const* parent, int id, int x, uint32_t flags, LMObj** keep)
{
    LayoutRow row = TabRow(parent, id, x, 0, flags, keep);
    row.Factory = Make::ImageTab;
    return row;
}

// The row, its object kept where given.
constexpr LayoutRow Kept(LayoutRow row, LMObj** keep)
{
    row.Keep = keep;
    return row;
}

// Builds the rows in order; a row whose parent is missing makes nothing
// (and keeps null).
void BuildLayout(const LayoutRow* rows, size_t count);
template <size_t N> void BuildLayout(const LayoutRow (&rows)[N])
{
    BuildLayout(rows, N);
}

// One slider group: caption, range, start value (or the setting it starts
// from) and the track frame's place and width.
struct SliderRow {
    LMObj* const* Parent = nullptr;
    int Id = 0;
    int Text = 0;
    int Min = 0;
    int Max = 0;
    int Start = 0;
    const int32_t* StartSetting = nullptr;
    int FrameX = 0;
    int FrameY = 0;
    int Width = 0;
    bool ReportOnRelease = false;
};

// Builds the groups in order; their objects are appended to `kept` when
// given.
void BuildSliders(const SliderRow* rows, size_t count, std::vector<LMObj*>* kept);

// A list's scroll frame beside its clip (arrows and thumb inside) and its
// hover and selection bars (hidden, inside the list).
struct ListParts {
    PanelList* List;
    LMObj* const* Clip;
    LMObj* const* Page;
    int FrameId;
    int UpId;
    int DownId;
    int ThumbId;
    int FrameGap;  // between the clip's right edge and the frame
    int HoverId;
    int SelectionId;
    int BarX;
    int BarWidth;
    int BarHeight;
    const wchar_t* Group;
};

void BuildScrollFrame(const ListParts& parts);
void BuildListBars(const ListParts& parts);

// The scroll frame's place beside a clip: one pixel above it, three pixels
// taller, `gap` right of it.
RECT ScrollFrameBeside(const RECT& clip, int gap);

// The layout's three page groups, in the order of the window's tables.
void BuildThemesPages();   // themes and theme cursors pages
void BuildLibraryPages();  // effects, sounds and trails pages with their lists
void BuildInfoPages();     // online themes, settings and About pages
