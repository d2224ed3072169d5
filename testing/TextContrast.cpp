#include "TextContrast.h"

#include "LMBitmapState.h"
#include "LMObj.h"
#include "LMTextState.h"
#include "ScreenCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kLeastContrast = 4.5;
constexpr uint32_t kCurrentThemeOrange = 0xD6811A;

double Linear(uint32_t channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(uint32_t rgb)
{
    return 0.2126 * Linear((rgb >> 16) & 0xFF) + 0.7152 * Linear((rgb >> 8) & 0xFF) +
           0.0722 * Linear(rgb & 0xFF);
}

uint32_t FromColorref(COLORREF color)
{
    return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

// The colour of the object's current state when it shows a text.
bool TextColourOf(const LMObj& object, uint32_t* colour)
{
    if (const auto* text = dynamic_cast<const LMTextState*>(object.CurrentState)) {
        *colour = FromColorref(text->TextColor);
        return true;
    }
    const auto* bitmap = dynamic_cast<const LMBitmapState*>(object.CurrentState);
    if (!bitmap || bitmap->TextColor == CLR_INVALID)
        return false;
    *colour = FromColorref(bitmap->TextColor);
    return true;
}

void CollectTexts(LMObj* object, std::vector<ShownText>* texts)
{
    if (!object->Shown)
        return;
    uint32_t colour = 0;
    if (TextColourOf(*object, &colour)) {
        const RECT box = ScreenRectOfObject(object);
        if (box.right > box.left && box.bottom > box.top)
            texts->push_back({object, colour, box});
    }
    for (LMObj* child : object->Children)
        CollectTexts(child, texts);
}

RECT Union(const std::vector<ShownText>& texts)
{
    RECT all = texts.front().Box;
    for (const ShownText& text : texts)
        UnionRect(&all, &all, &text.Box);
    return all;
}

double ContrastRatio(uint32_t a, uint32_t b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

uint32_t MedianColour(const DibCanvas& canvas, const RECT& area)
{
    std::vector<uint32_t> channels[3];
    for (int y = std::max(0L, area.top); y < std::min<LONG>(canvas.Height(), area.bottom); ++y) {
        for (int x = std::max(0L, area.left); x < std::min<LONG>(canvas.Width(), area.right); ++x) {
            const uint32_t pixel = canvas.Pixel(x, y);
            for (int c = 0; c < 3; ++c)
                channels[c].push_back((pixel >> (8 * c)) & 0xFF);
        }
    }
    uint32_t median = 0;
    for (int c = 0; c < 3; ++c) {
        std::vector<uint32_t>& values = channels[c];
        if (values.empty())
            return 0;
        std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
        median |= values[values.size() / 2] << (8 * c);
    }
    return median;
}

}  // namespace

RECT ScreenRectOfObject(const LMObj* object)
{
    auto* self = const_cast<LMObj*>(object);
    LMObj* holder = self->FindWindowObj();
    if (!holder || !holder->Window || !IsWindowVisible(holder->Window))
        return {};
    int x = 0, y = 0;
    self->GetScreenOffset(&x, &y);
    RECT box{x, y, x + object->VisibleWidth, y + object->VisibleHeight};
    for (LMObj* up = object->Parent; up && up != holder; up = up->Parent) {
        int ux = 0, uy = 0;
        up->GetScreenOffset(&ux, &uy);
        const RECT clip{ux, uy, ux + up->VisibleWidth, uy + up->VisibleHeight};
        IntersectRect(&box, &box, &clip);
    }
    MapWindowPoints(holder->Window, HWND_DESKTOP, reinterpret_cast<POINT*>(&box), 2);
    return box;
}

std::vector<ShownText> ShownTexts(LMObj* root)
{
    std::vector<ShownText> texts;
    for (LMObj* child : root->Children)
        CollectTexts(child, &texts);
    return texts;
}

void ExpectTextsRead(const std::vector<ShownText>& texts, const std::vector<HWND>& windows,
                     const char* view)
{
    ASSERT_FALSE(texts.empty()) << view;
    const RECT all = Union(texts);
    for (const ShownText& text : texts)
        text.Object->Hide();
    for (HWND window : windows)
        WaitUntilStill(window);
    std::unique_ptr<DibCanvas> ground = CopyScreen(all);
    for (const ShownText& text : texts)
        text.Object->Show();
    for (HWND window : windows)
        WaitUntilStill(window);
    for (const ShownText& text : texts) {
        RECT box = text.Box;
        OffsetRect(&box, -all.left, -all.top);
        const uint32_t median = MedianColour(*ground, box);
        const double ratio = ContrastRatio(text.Colour, median);
        char line[96];
        std::snprintf(line, sizeof(line), "%-20s %06X on %06X: %5.2f at (%ld, %ld)", view,
                      text.Colour, median, ratio, text.Box.left, text.Box.top);
        std::puts(line);
        if (text.Colour == kCurrentThemeOrange)
            EXPECT_EQ(0xFFFFFFu, median) << line;
        else
            EXPECT_GE(ratio, kLeastContrast) << line;
    }
}
