// Every text the settings page draws reads on the skin under it: at least
// 4.5:1 (WCAG 2) against the median of the pixels under its box with the
// texts hidden, theme names over the strip's selection frame too. Prints
// every text's ratio.

#include "CplTestSupport.h"

#include "COptionsPane.h"
#include "CThemePane.h"
#include "MessagePump.h"
#include "MouseInput.h"
#include "ScreenCapture.h"
#include "SettingsPage.h"
#include "TextContrast.h"

#include <algorithm>
#include <cstdio>

using namespace cpl;

namespace {

constexpr double kLeastContrast = 4.5;

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

class SkinContrast : public PageFixture {
protected:
    void Open()
    {
        for (const wchar_t* name : {L"Aspen", L"Juniper", L"Larch"}) {
            ASSERT_TRUE(WriteCursorTheme(themes_.File(std::wstring(name) + L".Trivane"),
                                         {{0, 1, 32, 32}, {1, 1, 32, 32}}));
        }
        ASSERT_NE(nullptr, OpenPage());
        EnableWindow(page_, TRUE);
        ShowWindow(page_, SW_SHOW);
        ShowWindow(host_, SW_SHOW);
        SetForegroundWindow(host_);
        ASSERT_TRUE(WaitUntilStill(host_));
    }

    void ExpectTextsRead(const char* view)
    {
        ASSERT_TRUE(WaitUntilStill(host_));
        const std::vector<ShownText> texts = PageTexts();
        ASSERT_FALSE(texts.empty()) << view;
        for (const TextContrast& measured : MeasureTextContrast(texts, {host_})) {
            const std::string line = DescribeContrast(measured);
            std::printf("%-24s %s\n", view, line.c_str());
            EXPECT_GE(measured.Ratio, kLeastContrast) << view << ": " << line;
        }
    }
};

}  // namespace

TEST_F(SkinContrast, EveryTextReadsOnTheSkinUnderIt)
{
    MoveMouseTo({1270, 1010});
    Open();
    ASSERT_GE(ThemePane.CellRecords.size(), 3u);
    // The strip's frame follows the pointer onto a cell.
    MoveMouseTo(Centre(ScreenRectOfObject(ThemePane.StripList->Children.front())));
    ExpectTextsRead("themes, cell lit");
    ClickMouse(Centre(ScreenRectOfObject(PageState.Buttons[kBarOptions])));
    MoveMouseTo({1270, 1010});
    ExpectTextsRead("options");
}
