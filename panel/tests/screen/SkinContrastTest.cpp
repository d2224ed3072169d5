// Every text the panel draws reads on the skin under it: at least 4.5:1
// (WCAG 2) against the median of the pixels under its box with the texts
// hidden, over the lists' hover and selection bars and the side tabs'
// bands too. The current theme's orange reaches at most 2.99:1 on any light
// ground, so it must stand on pure white. Prints every text's ratio.

#include "PanelScreenFixture.h"
#include "TextContrast.h"

#include <cstdio>

using namespace panel_screen;

namespace {

constexpr uint32_t kCurrentThemeOrange = 0xD6811A;
constexpr double kLeastContrast = 4.5;

class SkinContrast : public PanelScreen {
protected:
    // The texts shown now, each on what lies under it; `view` names them in
    // the report.
    void ExpectTextsRead(const char* view)
    {
        ASSERT_TRUE(WaitUntilStill(dialog_));
        const std::vector<ShownText> texts = ShownTexts(PanelShell.Root.get());
        ASSERT_FALSE(texts.empty()) << view;
        for (const TextContrast& measured : MeasureTextContrast(texts, {dialog_})) {
            const std::string line = DescribeContrast(measured);
            std::printf("%-24s %s\n", view, line.c_str());
            if (measured.Text.Colour == kCurrentThemeOrange)
                EXPECT_EQ(0xFFFFFFu, measured.Ground) << view << ": orange off white, " << line;
            else
                EXPECT_GE(measured.Ratio, kLeastContrast) << view << ": " << line;
        }
    }
};

}  // namespace

TEST_F(SkinContrast, EveryTextReadsOnTheSkinUnderIt)
{
    WriteLibrary();
    Open();
    // Row 1 selected, row 2 under the pointer: their texts on the bars.
    ClickMouse(ThemeRow(1));
    PumpMessagesFor(800);
    MoveMouseTo(ThemeRow(2));
    ExpectTextsRead("themes, rows lit");
    // A side tab under the pointer fades its band in to "Over".
    MoveMouseTo(Centre(Library.SideTabs[kEffectsTab]));
    ExpectTextsRead("side tab hovered");

    const struct {
        int Tab;
        const char* View;
    } pages[] = {
        {kEffectsTab, "effects"},      {kTrailsTab, "trails"}, {kSoundsTab, "sounds"},
        {kOnlineTab, "online themes"}, {kAboutTab, "about"},   {kSettingsTab, "settings"},
    };
    for (const auto& page : pages) {
        ShowPage(page.Tab);
        ExpectTextsRead(page.View);
    }
    const char* subTabViews[] = {"settings, shadow", "settings, general"};
    for (int index = 1; index <= 2; ++index) {
        Click(PanelShell.SubTabs[static_cast<size_t>(index)]);
        ExpectTextsRead(subTabViews[index - 1]);
    }

    ShowPage(kThemesTab);
    ClickMouse(ThemeRow(1));
    PumpMessagesFor(800);  // the row buttons wait 750 ms after a row click
    Click(Library.RowButtons.Cursors);
    ExpectTextsRead("theme cursors");
}
