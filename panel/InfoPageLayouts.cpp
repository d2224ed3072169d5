// The layout of the pages without lists: online themes, settings (with its
// three sub-tab panels of sliders and toggles) and About.

#include "WindowLayout.h"

#include "LMObj.h"
#include "PanelImages.h"
#include "PanelState.h"
#include "ShadowPreview.h"
#include "TrivaneVersion.h"

namespace {

constexpr TextLook kPlain = TextLook::Plain;
constexpr TextLook kTitle = TextLook::Title;
constexpr TextLook kDescription = TextLook::Description;
constexpr int kDescriptionWidth = 460;
constexpr int kOnlineTextWidth = 450;
constexpr int kPageWidth = 629;
constexpr int kPageHeight = 538;
constexpr int kSubTabHeight = 191;
constexpr int kTopPartHeight = 110;
constexpr int kLowerPartHeight = kSubTabHeight - kTopPartHeight;
constexpr int kLinkRight = kPageWidth - 10;

// Settings objects that only hold others.
struct SettingsAreas {
    LMObj* SubTabFrame = nullptr;
    LMObj* PreviewBox = nullptr;
    LMObj* TopPart = nullptr;
    LMObj* Apply = nullptr;
};
SettingsAreas g_areas;

LMObj* const* const kOnline = Library.Pages.data() + kOnlineThemesPage;
LMObj* const* const kSettings = Library.Pages.data() + kSettingsPage;
LMObj* const* const kAbout = Library.Pages.data() + kAboutPage;
LMObj* const* const kSubTabs = &g_areas.SubTabFrame;
LMObj* const* const kPanelA = &PanelShell.SubPanels[0];
LMObj* const* const kPanelB = &PanelShell.SubPanels[1];
LMObj* const* const kPanelC = &PanelShell.SubPanels[2];
LMObj* const* const kTopPart = &g_areas.TopPart;
LMObj* const* const kLightPart = &ShadowPage.LightPart;
LMObj* const* const kOffsetPart = &ShadowPage.OffsetPart;

const LayoutRow kOnlinePage[] = {
    ImageRow(kOnline, 0, 125, 12, kPngBanner.Id),
    ImageRow(kOnline, 0, 15, 6, kPngTitleIconOnline.Id),
    ImageRow(kOnline, 0, 468, 395, kPngBadge.Id),
    LabelRow(kOnline, 0, 16, 455, 32, kDescription, kOnlineTextWidth),
    LabelRow(kOnline, 0, 16, 490, 33, kDescription, kOnlineTextWidth),
    ImageRow(kOnline, 36, 20, 120, kPngOnlinePreview.Id),
    FormatRow(Make::Link, kOnline, 36, 130, 420, L"Trivane online theme library", 0, kPlain),
};

const LayoutRow kSettingsRows[] = {
    ImageRow(kSettings, 0, 15, 6, kPngTitleIconSettings.Id),
    LabelRow(kSettings, 0, 125, 2, 12, kTitle),
    LabelRow(kSettings, 0, 128, 40, 13, kDescription, kDescriptionWidth),
    Kept(ButtonRow(kSettings, 95, 507, 504, 4), &g_areas.Apply),
    LinkRow(kSettings, 43, kLinkRight, 328, 18, kLayoutRightAligned),
    FrameRow(kSettings, 0, kPageHeight - kSubTabHeight, kPageWidth, 0, kPngSubTabFrame.Id, Insets{},
             &g_areas.SubTabFrame),
    // A picture under each caption says which tab is chosen, as the white
    // caption of the chosen tab needs a dark ground.
    ImageTabRow(kSubTabs, 30, 0, kLayoutSelected, &PanelShell.SubTabPictures[0]),
    ImageTabRow(kSubTabs, 31, 120, 0, &PanelShell.SubTabPictures[1]),
    ImageTabRow(kSubTabs, 58, 240, 0, &PanelShell.SubTabPictures[2]),
    // Their clicks switch the panels below, so they are hit.
    TabRow(kSubTabs, 30, 4, 14, kLayoutHitWhole | kLayoutSelected, &PanelShell.SubTabs[0]),
    TabRow(kSubTabs, 31, 124, 15, kLayoutHitWhole, &PanelShell.SubTabs[1]),
    TabRow(kSubTabs, 58, 244, 49, kLayoutHitWhole, &PanelShell.SubTabs[2]),
    AreaRow(Make::Clip, kSettings, 0, 172, 128, 242, 171, &g_areas.PreviewBox),
    AreaRow(Make::Empty, &g_areas.PreviewBox, 0, 80, 34, 0, 0, &ShadowPage.Preview),
    AreaRow(Make::Clip, kSubTabs, 0, 0, 0, kPageWidth, kSubTabHeight, &PanelShell.SubPanels[0]),
    AreaRow(Make::Clip, kSubTabs, 0, 0, 0, kPageWidth, kSubTabHeight, &PanelShell.SubPanels[1],
            kLayoutHidden),
    AreaRow(Make::Clip, kSubTabs, 0, 0, 0, kPageWidth, kSubTabHeight, &PanelShell.SubPanels[2],
            kLayoutHidden),
    AreaRow(Make::Clip, kPanelB, 0, 0, 0, kPageWidth, kTopPartHeight, &g_areas.TopPart),
    AreaRow(Make::Clip, kPanelB, 0, 0, kTopPartHeight, kPageWidth, kLowerPartHeight,
            &ShadowPage.LightPart, kLayoutHidden),
    AreaRow(Make::Clip, kPanelB, 0, 0, kTopPartHeight, kPageWidth, kLowerPartHeight,
            &ShadowPage.OffsetPart),
};

// Track frames: the panel's Apply button keeps the lower right corner free.
const SliderRow kSettingsSliders[] = {
    {kPanelA, 24, 17, 0, 255, 0, nullptr, 40, 70, 150},
    {kPanelA, 76, 59, -255, 255, 0, nullptr, 220, 70, 150},
    {kPanelA, 77, 60, -100, 100, 0, nullptr, 400, 70, 150},
    {kPanelA, 15, 16, 128, 255, 0, nullptr, 40, 140, 150},
    {kPanelA, 57, 48, 25, 400, 0, nullptr, 220, 140, 150},
    {kTopPart, 18, 24, 0, 20, 0, &ShadowValues.ShadowSharpness, 40, 60, 170},
    {kTopPart, 19, 25, 0, 255, 0, &ShadowValues.ShadowDark, 250, 60, 170},
    {kLightPart, 20, 26, -1000, 1000, 0, nullptr, 110, 40, 80},
    {kLightPart, 21, 27, -1000, 1000, 0, nullptr, 215, 40, 80},
    {kLightPart, 22, 28, 201, 2000, 0, nullptr, 320, 40, 80},
    {kLightPart, 23, 29, 0, 200, 0, nullptr, 425, 40, 80},
    {kOffsetPart, 32, 30, -100, 100, 0, &ShadowValues.ShadowX, 40, 40, 170},
    {kOffsetPart, 33, 31, -100, 100, 0, &ShadowValues.ShadowY, 250, 40, 170},
    {kPanelC, 59, 50, 0, 100, 0, nullptr, 40, 70, 200},
};

const LayoutRow kSettingsPanels[] = {
    LabelRow(kPanelB, 0, 10, 85, 19, kPlain),
    LabelRow(kPanelB, 0, 100, 85, 20, kPlain, 0, 0, &ShadowPage.OffsetText),
    LabelRow(kPanelB, 0, 100, 85, 21, kPlain, 0, 0, &ShadowPage.LightText),
    LinkRow(kPanelB, 16, kLinkRight, 85, 22, kLayoutRightAligned, &ShadowPage.LightLink),
    LinkRow(kPanelB, 17, kLinkRight, 85, 23, kLayoutRightAligned, &ShadowPage.OffsetLink),
    AreaRow(Make::Toggle, kPanelB, 78, 450, 30, 0, 0, &PanelShell.ShadowToggle),
    LabelRow(kPanelB, 78, 467, 28, 61, kPlain, 0, 0, &PanelShell.ShadowToggleCaption),
    LabelRow(kLightPart, 0, 20, 58, 42, kPlain),
    ButtonRow(kPanelC, 92, 360, 40, 68),
    AreaRow(Make::Toggle, kPanelC, 56, 40, 116, 0, 0, nullptr),
    LabelRow(kPanelC, 56, 57, 114, 47, kPlain),
    AreaRow(Make::Toggle, kPanelC, 88, 40, 146, 0, 0, nullptr, kLayoutOnlyNt6),
    LabelRow(kPanelC, 88, 57, 144, 63, kPlain, 0, kLayoutOnlyNt6),
};

const LayoutRow kAboutRows[] = {
    ImageRow(kAbout, 0, 125, 12, kPngBanner.Id),
    ImageRow(kAbout, 0, 15, 6, kPngTitleIconAbout.Id),
    ImageRow(kAbout, 0, 468, 395, kPngBadge.Id),
    FormatRow(Make::Label, kAbout, 0, 130, 120, L"%s " TRIVANE_VERSION, 45, kDescription),
    LinkRow(kAbout, 53, 30, 160, 43),
    LinkRow(kAbout, 54, 30, 190, 44),
    LinkRow(kAbout, 96, 30, 220, 73),
    LabelRow(kAbout, 0, 30, 360, 77, kDescription),
    FormatRow(Make::Link, kAbout, 97, 340, 325, L"Translate Trivane into your language!", 0, kPlain,
              kLayoutOnlyEnglish),
};

}  // namespace

void BuildInfoPages()
{
    BuildLayout(kOnlinePage);
    BuildLayout(kSettingsRows);
    BuildSliders(kSettingsSliders, std::size(kSettingsSliders), nullptr);
    BuildLayout(kSettingsPanels);
    // The Apply button lies where the sub-tab frame ends: keep it in sight.
    if (g_areas.Apply)
        g_areas.Apply->OnTop();
    if (PanelShell.ShadowToggle && ShadowValues.DisableShadow == 1)
        PanelShell.ShadowToggle->ChangeState(L"Enabled");
    SetShadowMode(0);
    BuildLayout(kAboutRows);
}
