// Every text the settings page draws reads on the skin under it, theme
// names over the strip's selection frame too.

#include "CplTestSupport.h"

#include "COptionsPane.h"
#include "CThemePane.h"
#include "MessagePump.h"
#include "MouseInput.h"
#include "ScreenCapture.h"
#include "SettingsPage.h"
#include "TextContrast.h"

#include <algorithm>

using namespace cpl;

namespace {

POINT Centre(const RECT& box)
{
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

// The texts of every window the page's objects lie in.
std::vector<ShownText> PageTexts()
{
    std::vector<LMObj*> roots;
    for (LMObj* object :
         {static_cast<LMObj*>(PageState.Bar), static_cast<LMObj*>(ThemePane.StripList),
          static_cast<LMObj*>(ThemePane.PreviewList), static_cast<LMObj*>(OptionsPane.Preview)}) {
        while (object && object->Parent)
            object = object->Parent;
        if (object && std::find(roots.begin(), roots.end(), object) == roots.end())
            roots.push_back(object);
    }
    std::vector<ShownText> texts;
    for (LMObj* root : roots) {
        const std::vector<ShownText> more = ShownTexts(root);
        texts.insert(texts.end(), more.begin(), more.end());
    }
    return texts;
}

using SkinContrast = PageFixture;

}  // namespace

TEST_F(SkinContrast, EveryTextReadsOnTheSkinUnderIt)
{
    for (const wchar_t* name : {L"Aspen", L"Juniper", L"Larch"}) {
        ASSERT_TRUE(WriteCursorTheme(themes_.File(std::wstring(name) + L".Trivane"),
                                     {{0, 1, 32, 32}, {1, 1, 32, 32}}));
    }
    MoveMouseTo({1270, 1010});
    ASSERT_NE(nullptr, OpenPage());
    EnableWindow(page_, TRUE);
    ShowWindow(page_, SW_SHOW);
    ShowWindow(host_, SW_SHOW);
    SetForegroundWindow(host_);
    auto expectTextsRead = [&](const char* view) {
        ASSERT_TRUE(WaitUntilStill(host_));
        ExpectTextsRead(PageTexts(), {host_}, view);
    };
    ASSERT_GE(ThemePane.CellRecords.size(), 3u);
    // The strip's frame follows the pointer onto a cell.
    MoveMouseTo(Centre(ScreenRectOfObject(ThemePane.StripList->Children.front())));
    expectTextsRead("themes, cell lit");
    ClickMouse(Centre(ScreenRectOfObject(PageState.Buttons[kBarOptions])));
    MoveMouseTo({1270, 1010});
    expectTextsRead("options");
}
