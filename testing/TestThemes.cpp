#include "TestThemes.h"

#include "CTheme.h"

#include <cwchar>

namespace {

constexpr uint32_t kOpaqueGrey = 0xFF808080;

std::unique_ptr<LMBitmap> FlatStrip(int width, int height, uint32_t colour)
{
    auto bitmap = std::make_unique<LMBitmap>(width, height, LMBitmapHasAlpha);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            *bitmap->PixelAt(x, y) = colour;
    }
    return bitmap;
}

template <typename Entry>
std::unique_ptr<Entry> MakeEntry(int width, int height, int frames, const wchar_t* name,
                                 uint32_t colour = kOpaqueGrey)
{
    auto entry = std::make_unique<Entry>();
    entry->Frames = frames;
    entry->SetUpAnimation(FlatStrip(width, height, colour), name, LMFrameInterruptible, true);
    return entry;
}

}  // namespace

std::unique_ptr<CTheme> MakeTestTheme(const std::vector<TestCursor>& cursors)
{
    auto theme = std::make_unique<CTheme>();
    theme->Name = DuplicateText(L"Test");
    for (const TestCursor& c : cursors) {
        wchar_t name[32];
        swprintf(name, 32, L"%d-%d", c.Role, c.State);
        auto cursor = MakeEntry<CThemeCursor>(c.Width, c.Height, c.Frames, name, c.Colour);
        cursor->Role = c.Role;
        cursor->State = c.State;
        cursor->Group = kThemeCursorGroup;
        theme->AddCursor(std::move(cursor));
    }
    theme->ContentFlags = cursors.empty() ? 0 : ThemeHasCursors;
    return theme;
}

void AddTestEffect(CTheme& theme, int slot)
{
    auto effect = MakeEntry<CThemeEffect>(8, 8, 1, L"Default");
    effect->Slot = slot;
    theme.SetEffect(slot, std::move(effect));
}

void AddTestTrail(CTheme& theme, int slot)
{
    auto trail = MakeEntry<CThemeTrail>(4, 4, 1, L"Default");
    trail->Slot = slot;
    theme.SetTrail(slot, std::move(trail));
}

void AddTestSound(CTheme& theme, int slot, const std::string& bytes)
{
    auto sound = std::make_unique<CThemeSound>();
    sound->Assign(reinterpret_cast<const uint8_t*>(bytes.data()),
                  static_cast<uint32_t>(bytes.size()));
    theme.Sounds[slot] = std::move(sound);
}

bool SaveTestTheme(const std::wstring& path, CTheme& theme)
{
    return theme.Save(path.c_str(), 0) == 1;
}

bool SaveTestTheme(const std::wstring& path, const std::vector<TestCursor>& cursors)
{
    auto theme = MakeTestTheme(cursors);
    return SaveTestTheme(path, *theme);
}
