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

std::unique_ptr<CThemeCursor> MakeCursor(int role, int state, int frames, int hotX, int hotY,
                                         const std::function<void(LMBitmap&, int)>& draw)
{
    auto bitmap = std::make_unique<LMBitmap>(kSize * frames, kSize, LMBitmapHasAlpha);
    bitmap->Clear();
    for (int frame = 0; frame < frames; ++frame)
        draw(*bitmap, frame);
    bitmap->Premultiplied = 1;
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

void DrawBusyFrame(LMBitmap& bitmap, int frame)
{
    std::vector<Polygon> dots;
    for (int i = 0; i < 8; ++i) {
        double angle = (i + frame) * kPi / 4;
        double radius = i == 0 ? 4.0 : 2.6;
        dots.push_back(Dot(16 + 10 * std::cos(angle), 16 + 10 * std::sin(angle), radius));
    }
    DrawShapes(bitmap, frame * kSize, dots, {250, 200, 90});
}

}  // namespace

std::unique_ptr<CTheme> MakeDefaultTheme()
{
    auto theme = std::make_unique<CTheme>();
    theme->Name = DuplicateText(L"Trivane Default");
    theme->Author = DuplicateText(L"Trivane");
    const Colour white{250, 250, 250};
    theme->AddCursor(MakeCursor(
        0, 1, 1, 1, 1, [&](LMBitmap& b, int f) { DrawShapes(b, f * kSize, {Arrow()}, white); }));
    theme->AddCursor(MakeCursor(0, 2, 1, 1, 1, [&](LMBitmap& b, int f) {
        DrawShapes(b, f * kSize, {Arrow()}, {250, 190, 120});
    }));
    theme->AddCursor(MakeCursor(3, 1, 8, 16, 16, DrawBusyFrame));
    theme->AddCursor(MakeCursor(4, 1, 1, 16, 16, [&](LMBitmap& b, int f) {
        DrawShapes(b, f * kSize, {Rectangle(13, 1, 19, 31), Rectangle(1, 13, 31, 19)}, white);
    }));
    theme->AddCursor(MakeCursor(5, 1, 1, 16, 16, [&](LMBitmap& b, int f) {
        DrawShapes(b, f * kSize,
                   {Rectangle(13.5, 6, 18.5, 26), Rectangle(9, 3, 23, 8), Rectangle(9, 24, 23, 29)},
                   white);
    }));
    theme->ContentFlags = ThemeHasCursors;
    return theme;
}
