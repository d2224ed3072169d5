#include "DefaultTheme.h"

#include "CTheme.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <functional>
#include <vector>

namespace {

constexpr int kSize = 32;
constexpr int kSamples = 4;  // per axis, for smooth edges
constexpr double kBorder = 1.2;
constexpr double kPi = 3.14159265358979;

struct Point {
    double X;
    double Y;
};
using Polygon = std::vector<Point>;

struct Colour {
    double B;
    double G;
    double R;
};

bool Inside(const Polygon& shape, double x, double y)
{
    bool inside = false;
    for (size_t i = 0, j = shape.size() - 1; i < shape.size(); j = i++) {
        const Point& a = shape[i];
        const Point& b = shape[j];
        if ((a.Y > y) != (b.Y > y) && x < (b.X - a.X) * (y - a.Y) / (b.Y - a.Y) + a.X)
            inside = !inside;
    }
    return inside;
}

double EdgeDistance(const Polygon& shape, double x, double y)
{
    double best = 1e9;
    for (size_t i = 0, j = shape.size() - 1; i < shape.size(); j = i++) {
        double dx = shape[i].X - shape[j].X;
        double dy = shape[i].Y - shape[j].Y;
        double length = dx * dx + dy * dy;
        double t = length > 0 ? ((x - shape[j].X) * dx + (y - shape[j].Y) * dy) / length : 0;
        t = std::clamp(t, 0.0, 1.0);
        double px = shape[j].X + t * dx - x;
        double py = shape[j].Y + t * dy - y;
        best = std::min(best, std::sqrt(px * px + py * py));
    }
    return best;
}

// Fills the shapes with the colour inside a dark border, over what the frame
// at column offset holds; premultiplied pixels.
void DrawShapes(LMBitmap& bitmap, int offset, const std::vector<Polygon>& shapes, Colour fill)
{
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            double b = 0, g = 0, r = 0, a = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    double px = x + (sx + 0.5) / kSamples;
                    double py = y + (sy + 0.5) / kSamples;
                    // Depth inside the union of the shapes, from the deepest one.
                    double depth = -1;
                    for (const Polygon& shape : shapes) {
                        if (Inside(shape, px, py))
                            depth = std::max(depth, EdgeDistance(shape, px, py));
                    }
                    if (depth < 0)
                        continue;
                    Colour c = depth < kBorder ? Colour{20, 20, 20} : fill;
                    b += c.B;
                    g += c.G;
                    r += c.R;
                    a += 255;
                }
            }
            if (a == 0)
                continue;
            const double n = kSamples * kSamples;
            auto byte = [&](double v) { return static_cast<uint32_t>(std::lround(v / n)); };
            double coverage = a / n / 255;
            *bitmap.PixelAt(offset + x, y) = byte(b * coverage) | byte(g * coverage) << 8 |
                                             byte(r * coverage) << 16 | byte(a) << 24;
        }
    }
}

Polygon Arrow()
{
    return {{1, 1}, {1, 24}, {7, 18.5}, {11, 28}, {15, 26.5}, {11, 17.5}, {19, 17.5}};
}

Polygon Rectangle(double left, double top, double right, double bottom)
{
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

Polygon Dot(double cx, double cy, double radius)
{
    Polygon dot;
    for (int i = 0; i < 12; ++i)
        dot.push_back({cx + radius * std::cos(i * kPi / 6), cy + radius * std::sin(i * kPi / 6)});
    return dot;
}

// Turned about the middle of the cursor.
Polygon Rotated(const Polygon& shape, double degrees)
{
    const double c = std::cos(degrees * kPi / 180);
    const double s = std::sin(degrees * kPi / 180);
    const double middle = kSize / 2.0;
    Polygon turned;
    for (const Point& p : shape) {
        double x = p.X - middle;
        double y = p.Y - middle;
        turned.push_back({middle + x * c - y * s, middle + x * s + y * c});
    }
    return turned;
}

// A double-headed arrow from top to bottom, for the size cursors.
Polygon SizeArrow()
{
    return {{16, 1},  {24, 9}, {19, 9},  {19, 23}, {24, 23},
            {16, 31}, {8, 23}, {13, 23}, {13, 9},  {8, 9}};
}

// Eight dots round a centre, the first one large: a turning wheel.
std::vector<Polygon> Wheel(double cx, double cy, double radius, double dotScale, int frame)
{
    std::vector<Polygon> dots;
    for (int i = 0; i < 8; ++i) {
        double angle = (i + frame) * kPi / 4;
        dots.push_back(Dot(cx + radius * std::cos(angle), cy + radius * std::sin(angle),
                           (i == 0 ? 4.0 : 2.6) * dotScale));
    }
    return dots;
}

// A pointing hand: the index finger up, two bent fingers, the thumb, the palm.
std::vector<Polygon> Hand()
{
    return {Dot(13.5, 3.5, 2.5),
            Rectangle(11, 3.5, 16, 18),
            Dot(18.5, 12, 2.5),
            Rectangle(16, 12, 21, 18),
            Dot(23.5, 13.5, 2.5),
            Rectangle(21, 13.5, 26, 18),
            {{5, 17}, {8, 15}, {12, 20}, {11, 23}},
            {{11, 17}, {26, 17}, {26, 25}, {22, 30}, {14, 30}, {10, 24}}};
}

using DrawFrame = std::function<void(LMBitmap&, int offset, int frame)>;

// A strip of frames of the cursor size, each drawn by draw.
std::unique_ptr<LMBitmap> DrawStrip(int frames, const DrawFrame& draw)
{
    auto bitmap = std::make_unique<LMBitmap>(kSize * frames, kSize, LMBitmapHasAlpha);
    bitmap->Clear();
    for (int frame = 0; frame < frames; ++frame)
        draw(*bitmap, frame * kSize, frame);
    bitmap->Premultiplied = 1;
    return bitmap;
}

template <typename Entry>
std::unique_ptr<Entry> MakeSprite(int slot, int frames, int interval, const DrawFrame& draw)
{
    auto entry = std::make_unique<Entry>();
    entry->Slot = slot;
    entry->Frames = frames;
    entry->Interval = interval;
    entry->HotSpotX = kSize / 2;
    entry->HotSpotY = kSize / 2;
    entry->SetUpAnimation(DrawStrip(frames, draw), L"Default", LMFrameInterruptible, false);
    return entry;
}

std::unique_ptr<CThemeCursor> MakeCursor(int role, int state, int frames, int hotX, int hotY,
                                         const DrawFrame& draw)
{
    std::unique_ptr<LMBitmap> bitmap = DrawStrip(frames, draw);
    auto cursor = std::make_unique<CThemeCursor>();
    cursor->Role = role;
    cursor->State = state;
    cursor->Group = kThemeCursorGroup;
    cursor->StdCursor = 0;
    cursor->Frames = frames;
    cursor->Interval = 80;
    cursor->Loop = frames > 1;
    cursor->HotSpotX = hotX;
    cursor->HotSpotY = hotY;
    wchar_t name[16];
    swprintf(name, 16, L"%d-%d", role, state);
    int flags = LMFrameInterruptible | (cursor->Loop ? LMFrameLoop : 0);
    cursor->SetUpAnimation(std::move(bitmap), name, flags, false);
    return cursor;
}

// A still cursor of one colour.
DrawFrame Still(std::vector<Polygon> shapes, Colour fill)
{
    return [shapes = std::move(shapes), fill](LMBitmap& b, int offset, int) {
        DrawShapes(b, offset, shapes, fill);
    };
}

const Colour kWhite{250, 250, 250};
const Colour kPressed{250, 190, 120};
const Colour kBlue{230, 140, 40};
const Colour kRed{40, 40, 220};

}  // namespace

std::unique_ptr<CTheme> MakeDefaultTheme()
{
    auto theme = std::make_unique<CTheme>();
    theme->Name = DuplicateText(L"Trivane Default");
    theme->Author = DuplicateText(L"Trivane");
    const auto size = SizeArrow();
    theme->AddCursor(MakeCursor(0, 1, 1, 1, 1, Still({Arrow()}, kWhite)));
    theme->AddCursor(MakeCursor(0, 2, 1, 1, 1, Still({Arrow()}, kPressed)));
    theme->AddCursor(MakeCursor(1, 1, 1, 1, 1, [](LMBitmap& b, int offset, int) {
        DrawShapes(b, offset, {Arrow()}, kWhite);
        DrawShapes(b, offset, {Dot(25, 8, 6)}, kBlue);
    }));
    theme->AddCursor(MakeCursor(2, 1, 8, 1, 1, [](LMBitmap& b, int offset, int frame) {
        DrawShapes(b, offset, {Arrow()}, kWhite);
        DrawShapes(b, offset, Wheel(24, 24, 6, 0.7, frame), kBlue);
    }));
    theme->AddCursor(MakeCursor(3, 1, 8, 16, 16, [](LMBitmap& b, int offset, int frame) {
        DrawShapes(b, offset, Wheel(16, 16, 10, 1, frame), kBlue);
    }));
    theme->AddCursor(MakeCursor(
        4, 1, 1, 16, 16, Still({Rectangle(13, 1, 19, 31), Rectangle(1, 13, 31, 19)}, kWhite)));
    theme->AddCursor(MakeCursor(
        5, 1, 1, 16, 16,
        Still({Rectangle(13.5, 6, 18.5, 26), Rectangle(9, 3, 23, 8), Rectangle(9, 24, 23, 29)},
              kWhite)));
    theme->AddCursor(MakeCursor(6, 1, 1, 2, 29,
                                Still({{{2, 30}, {4, 22}, {22, 4}, {28, 10}, {10, 28}}}, kWhite)));
    theme->AddCursor(MakeCursor(7, 1, 1, 16, 16, [](LMBitmap& b, int offset, int) {
        DrawShapes(b, offset, {Dot(16, 16, 14)}, kRed);
        DrawShapes(b, offset, {Dot(16, 16, 9.5)}, kWhite);
        DrawShapes(b, offset, {Rotated(Rectangle(13.5, 3, 18.5, 29), 45)}, kRed);
    }));
    theme->AddCursor(MakeCursor(8, 1, 1, 16, 16, Still({size}, kWhite)));
    theme->AddCursor(MakeCursor(10, 1, 1, 16, 16, Still({Rotated(size, 90)}, kWhite)));
    theme->AddCursor(MakeCursor(12, 1, 1, 16, 16, Still({Rotated(size, -45)}, kWhite)));
    theme->AddCursor(MakeCursor(14, 1, 1, 16, 16, Still({Rotated(size, 45)}, kWhite)));
    theme->AddCursor(MakeCursor(16, 1, 1, 16, 16, Still({size, Rotated(size, 90)}, kWhite)));
    theme->AddCursor(MakeCursor(
        17, 1, 1, 16, 1,
        Still({{{16, 1}, {26, 12}, {19, 12}, {19, 31}, {13, 31}, {13, 12}, {6, 12}}}, kWhite)));
    theme->AddCursor(MakeCursor(18, 1, 1, 13, 1, Still(Hand(), kWhite)));
    theme->ContentFlags = ThemeHasCursors;
    return theme;
}

std::unique_ptr<CTheme> MakeEffectTheme()
{
    auto theme = std::make_unique<CTheme>();
    theme->Name = DuplicateText(L"Trivane Ripples");
    theme->Author = DuplicateText(L"Trivane");
    const DrawFrame ring = [](LMBitmap& b, int offset, int frame) {
        DrawShapes(b, offset, Wheel(16, 16, 4 + 2 * frame, 0.5, 0), kBlue);
    };
    // Presses only: left, middle and right down.
    for (int slot : {0, 3, 6})
        theme->SetEffect(slot, MakeSprite<CThemeEffect>(slot, 6, 40, ring));
    theme->ContentFlags = ThemeHasEffects;
    return theme;
}

std::unique_ptr<CTheme> MakeTrailTheme()
{
    auto theme = std::make_unique<CTheme>();
    theme->Name = DuplicateText(L"Trivane Dots");
    theme->Author = DuplicateText(L"Trivane");
    auto trail = MakeSprite<CThemeTrail>(0, 5, 60, [](LMBitmap& b, int offset, int frame) {
        DrawShapes(b, offset, {Dot(16, 16, 6 - frame)}, kRed);
    });
    trail->TrailsPerSecond = kDefaultTrailsPerSecond;
    theme->SetTrail(0, std::move(trail));
    theme->ContentFlags = ThemeHasTrails;
    return theme;
}
