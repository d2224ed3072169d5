#pragma once
// The panel's screen tests: the dialog opened over a small library (two
// cursor themes of one colour each, an effect, a trail and a sound), real
// mouse input on its objects, and the screen read back under them.

#include "CQVSliderObj.h"
#include "DialogWatch.h"
#include "LMObjGlobals.h"
#include "LibraryRows.h"
#include "LibraryTestSupport.h"
#include "MainDialogTestSupport.h"
#include "MessagePump.h"
#include "MouseInput.h"
#include "PanelImages.h"
#include "PanelShell.h"
#include "ScreenCapture.h"
#include "SkinImages.h"
#include "SoundFixtures.h"

#include <functional>
#include <memory>

namespace panel_screen {

// The two themes' pictures, one colour each (0xRRGGBB).
inline constexpr uint32_t kAspen = 0xE0307A, kJuniper = 0x2F9FD0;
inline constexpr int kTolerance = 2;
inline constexpr POINT kAway{1270, 1010};
// Where every page panel shows its own picture, in its left margin.
inline constexpr POINT kPlainSpot{5, 300};

inline TestCursor FlatCursor(uint32_t rgb)
{
    TestCursor cursor;
    cursor.Colour = 0xFF000000u | rgb;
    return cursor;
}

inline uint32_t SkinPixel(int pngId, int x, int y)
{
    std::unique_ptr<LMBitmap> bitmap(LoadSkinBitmap(pngId));
    return bitmap ? *bitmap->PixelAt(x, y) & 0xFFFFFF : 0xDEADBEEF;
}

inline uint32_t ScreenPixel(POINT at)
{
    return CopyScreen(RECT{at.x, at.y, at.x + 1, at.y + 1})->Pixel(0, 0) & 0xFFFFFF;
}

// A point of an object on the screen, in the object's own coordinates.
inline POINT At(const LMObj* object, int x, int y)
{
    auto* holder = const_cast<LMObj*>(object)->FindWindowObj();
    int offsetX = 0, offsetY = 0;
    const_cast<LMObj*>(object)->GetScreenOffset(&offsetX, &offsetY);
    POINT point{offsetX + x, offsetY + y};
    ClientToScreen(holder->Window, &point);
    return point;
}

inline POINT Centre(const LMObj* object)
{
    return At(object, object->VisibleWidth / 2, object->VisibleHeight / 2);
}

// The object's visible rectangle on the screen, grown by margin on each side.
inline RECT ScreenRectOf(const LMObj* object, int margin = 0)
{
    const POINT corner = At(object, 0, 0);
    return {corner.x - margin, corner.y - margin, corner.x + object->VisibleWidth + margin,
            corner.y + object->VisibleHeight + margin};
}

// Whether the object's point shows the skin picture's point.
inline bool ShowsSkin(const LMObj* object, POINT at, int pngId, POINT inPicture)
{
    return NearColour(ScreenPixel(At(object, at.x, at.y)),
                      SkinPixel(pngId, inPicture.x, inPicture.y), kTolerance);
}

class PanelScreen : public MainDialogTest {
protected:
    void SetUp() override
    {
        MainDialogTest::SetUp();
        MoveMouseTo(kAway);
    }

    void WriteLibrary()
    {
        ASSERT_TRUE(SaveTestTheme(themes_.File(L"Aspen.Trivane"),
                                  *NamedTheme(L"Aspen", {FlatCursor(kAspen)})));
        ASSERT_TRUE(SaveTestTheme(themes_.File(L"Juniper.Trivane"),
                                  *NamedTheme(L"Juniper", {FlatCursor(kJuniper)})));
        ASSERT_TRUE(
            SaveTestTheme(themes_.File(L"Ripples.Trivane"), *SpriteTheme(L"Ripples", {0, 3}, {})));
        ASSERT_TRUE(SaveTestTheme(themes_.File(L"Dots.Trivane"), *SpriteTheme(L"Dots", {}, {0})));
        const std::string wave = MakeWave(64);
        ASSERT_TRUE(WriteBytesToFile(sounds_.File(L"Click.wav"), wave.data(), wave.size()));
    }

    void Open()
    {
        ASSERT_NE(nullptr, OpenDialog());
        ShowWindow(dialog_, SW_SHOW);
        SetForegroundWindow(dialog_);
        ASSERT_TRUE(WaitUntilStill(dialog_));
    }

    CQVObj* Control(int id) const { return FindControl(PanelShell.Root.get(), id); }

    static const CQVSliderObj* FindSlider(const LMObj* object, int id)
    {
        const auto* slider = dynamic_cast<const CQVSliderObj*>(object);
        if (slider && slider->ControlId == id)
            return slider;
        for (const LMObj* child : object->Children) {
            if (const CQVSliderObj* found = FindSlider(child, id))
                return found;
        }
        return nullptr;
    }
    const LMObj* Slider(int id) const { return FindSlider(PanelShell.Root.get(), id); }

    // The pointer leaves the dialog; Wine tells the window a moment later.
    void MoveAway()
    {
        MoveMouseTo(kAway);
        PumpMessagesUntil([] { return HoveredObject == nullptr; }, 1000);
        EXPECT_TRUE(WaitUntilStill(dialog_));
    }

    // A side tab clicked, and the page faded in.
    void ShowPage(int tab)
    {
        ClickMouse(Centre(Library.SideTabs[static_cast<size_t>(tab)]));
        MoveAway();
    }

    void Click(const LMObj* object)
    {
        ClickMouse(Centre(object));
        MoveAway();
    }

    // A theme row of the list, 62 pixels each, row 0 for no theme.
    POINT ThemeRow(int row) const { return At(Library.ThemeList.Container, 300, row * 62 + 31); }

    void Screenshot(const wchar_t* name)
    {
        EXPECT_TRUE(WriteScreenshot(name, *CopyClientFromScreen(dialog_)));
    }

    int ColourOn(const LMObj* area, uint32_t rgb) const
    {
        return FindColourOnScreen(ScreenRectOf(area), rgb).Count;
    }
};

}  // namespace panel_screen
