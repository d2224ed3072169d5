// Building the layout's rows, slider groups and list parts with the widget
// factories.

#include "WindowLayout.h"

#include "FactorySupport.h"
#include "LMBlankState.h"
#include "LibraryRows.h"
#include "PanelFactories.h"
#include "PanelImages.h"
#include "PanelState.h"
#include "SkinImages.h"

#include <string>

namespace {

constexpr int kTitleSize = 22;
constexpr COLORREF kTitleColor = RGB(0, 51, 153);
constexpr COLORREF kTextColor = RGB(0, 0, 0);
constexpr COLORREF kTabCaptionColor = RGB(255, 255, 255);
constexpr int kEmptySize = 10;
constexpr int kShadowOffset = 1;
constexpr int kShadowSharpness = 4;
constexpr int kShadowDarkness = 128;
constexpr int kScrollWidth = 17;
constexpr int kArrowSize = 17;
constexpr Insets kScrollFrameBorder{5, 5, 15, 17};
constexpr int kThumbY = 16;
constexpr Insets kBarBorder{10, 10, 5, 5};
constexpr int kBarY = 2;

int LookSize(TextLook look)
{
    switch (look) {
    case TextLook::Title:
        return kTitleSize;
    case TextLook::Description:
        return PanelSizes.PageTextSize;
    case TextLook::Row:
        return PanelSizes.RowSize;
    case TextLook::Tab:
        return PanelSizes.TabSize;
    default:
        return PanelSizes.LabelSize;
    }
}

COLORREF LookColor(TextLook look)
{
    if (look == TextLook::Title)
        return kTitleColor;
    return look == TextLook::Tab ? kTabCaptionColor : kTextColor;
}

// The UI text in its format's "%s", or the format itself without a text.
// A missing UI text is "".
std::wstring RowText(const LayoutRow& row)
{
    const std::wstring text = row.Text ? UiText(row.Text) : L"";
    if (!row.Format)
        return text;
    std::wstring formatted = row.Format;
    const size_t at = formatted.find(L"%s");
    if (row.Text && at != std::wstring::npos)
        formatted.replace(at, 2, text);
    return formatted;
}

CQVObj* MakeEmpty(LMObj* parent, int x, int y)
{
    auto state = std::make_unique<LMBlankState>(L"null");
    state->SetSize(kEmptySize, kEmptySize);
    OwnedObject<CQVObj> empty(new CQVObj);
    AddAllStates(*empty, std::move(state));
    empty->Movable = 0;
    return PlaceObject(std::move(empty), parent, x, y, true);
}

CQVObj* MakeToggle(LMObj* parent, int x, int y)
{
    OwnedObject<CQVObj> toggle(CreateImageObject(parent, x, y, kPngToggle.Id));
    if (!toggle || !AddAllStates(*toggle, MakeSkinState(L"Enabled", kPngToggleOn.Id)))
        return nullptr;
    return toggle.release();
}

CQVObj* MakeSoundIcon(LMObj* parent, int x, int y)
{
    auto blank = std::make_unique<LMBlankState>(L"blank");
    blank->SetSize(kEmptySize, kEmptySize);
    OwnedObject<CQVObj> icon(new CQVObj);
    if (!AddAllStates(*icon, std::move(blank), MakeSkinState(L"sound", kPngTabIconSounds.Id)))
        return nullptr;
    icon->Movable = 0;
    return PlaceObject(std::move(icon), parent, x, y, true);
}

CQVObj* MakeClip(LMObj* parent, int x, int y, int width, int height)
{
    CQVObj* clip = CreateBlankObject(parent, x, y, width, height);
    if (clip)
        clip->CurrentState->SetHitMode(LMHitNever);
    return clip;
}

CQVObj* MakeRowObject(const LayoutRow& row, LMObj* parent)
{
    const std::wstring text = RowText(row);
    const int x = row.X, y = row.Y, width = row.Width, height = row.Height;
    switch (row.Factory) {
    case Make::Image:
        return CreateImageObject(parent, x, y, row.Png);
    case Make::Frame:
        return CreateFrameObject(parent, x, y, width, height, row.Border.Left, row.Border.Right,
                                 row.Border.Top, row.Border.Bottom, row.Png);
    case Make::Area:
        return CreateBlankObject(parent, x, y, width, height);
    case Make::Clip:
        return MakeClip(parent, x, y, width, height);
    case Make::Empty:
        return MakeEmpty(parent, x, y);
    case Make::Label:
        return CreateTextLabel(parent, x, y, text.c_str(), LookSize(row.Look), 0,
                               LookColor(row.Look), width, 0);
    case Make::Button:
        return CreatePushButton(parent, row.Id, x, y, width, height, kButtonPlain, text.c_str());
    case Make::UpArrow:
        return CreatePushButton(parent, row.Id, x, y, width, height, kButtonUpGlyph);
    case Make::DownArrow:
        return CreatePushButton(parent, row.Id, x, y, width, height, kButtonDownGlyph);
    case Make::Link:
        return CreateLinkText(parent, row.Id, x, y, text.c_str(), 0);
    case Make::TextTab:
        return CreateTextTab(parent, x, text.c_str());
    case Make::ImageTab:
        return CreateImageTab(parent, row.Id, x, y);
    case Make::Toggle:
        return MakeToggle(parent, x, y);
    case Make::SoundIcon:
        return MakeSoundIcon(parent, x, y);
    }
    return nullptr;
}

void SetHitModeOfStates(LMObj& object, int mode)
{
    for (LMState* state : object.States) {
        if (LMVisualState* visual = LMAsVisualState(state))
            visual->SetHitMode(mode);
    }
}

bool RowWanted(const LayoutRow& row)
{
    if ((row.Flags & kLayoutOnlyNt6) && !PanelShell.Nt6OrLater)
        return false;
    return !(row.Flags & kLayoutOnlyEnglish) || !PanelShell.OwnLanguageFile;
}

void Finish(const LayoutRow& row, CQVObj& object)
{
    if (row.Flags & (kLayoutRightAligned | kLayoutCentredInBand)) {
        const int x = row.Flags & kLayoutRightAligned ? row.X - object.VisibleWidth : row.X;
        const int y = row.Flags & kLayoutCentredInBand
                          ? row.Y + (row.Height - object.VisibleHeight) / 2
                          : row.Y;
        object.MoveTo(x, y);
    }
    object.ControlId = row.Id;
    if (row.Id != 0)
        object.CursorIndex = kPanelHandCursor;
    if (row.Flags & kLayoutHitWhole)
        SetHitModeOfStates(object, LMHitWholeFrame);
    if (row.Flags & kLayoutHitNever)
        SetHitModeOfStates(object, LMHitNever);
    if (row.Flags & kLayoutMovable)
        object.Movable = 1;
    if (row.Flags & kLayoutShadowed) {
        static_cast<LMBitmapState*>(object.CurrentState)
            ->AddShadow(kShadowOffset, kShadowOffset, kShadowSharpness, kShadowDarkness);
        object.MoveTo(object.VisibleX, object.VisibleY);
    }
    if (row.Flags & kLayoutSelected)
        object.ChangeState(row.Factory == Make::Toggle ? L"Enabled" : L"Selected");
    if (row.Group)
        object.SetGroupName(row.Group);
    if (row.Flags & kLayoutHidden)
        object.Hide();
}

}  // namespace

void BuildLayout(const LayoutRow* rows, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const LayoutRow& row = rows[i];
        LMObj* parent = row.Parent ? *row.Parent : nullptr;
        CQVObj* object = parent && RowWanted(row) ? MakeRowObject(row, parent) : nullptr;
        if (object)
            Finish(row, *object);
        if (row.Keep)
            *row.Keep = object;
    }
}

void BuildSliders(const SliderRow* rows, size_t count, std::vector<LMObj*>* kept)
{
    for (size_t i = 0; i < count; ++i) {
        const SliderRow& row = rows[i];
        const int start = row.StartSetting ? *row.StartSetting : row.Start;
        SliderGroup group =
            CreateSliderGroup(*row.Parent, row.FrameX, row.FrameY, row.Width, kPngSliderTrack.Id,
                              row.Id, start, row.Min, row.Max, UiText(row.Text));
        if (!group.Knob)
            continue;
        group.Knob->ReportOnRelease = row.ReportOnRelease ? 1 : 0;
        if (kept) {
            for (LMObj* object : {static_cast<LMObj*>(group.Frame), static_cast<LMObj*>(group.Knob),
                                  static_cast<LMObj*>(group.Caption)})
                if (object)
                    kept->push_back(object);
        }
    }
}

RECT ScrollFrameBeside(const RECT& clip, int gap)
{
    return RECT{clip.right + gap, clip.top - 1, clip.right + gap + kScrollWidth, clip.bottom + 2};
}

void BuildScrollFrame(const ListParts& parts)
{
    LMObj* clip = *parts.Clip;
    if (!clip)
        return;
    const RECT place = ScrollFrameBeside(
        LMRectFromSize(clip->VisibleX, clip->VisibleY, clip->VisibleWidth, clip->VisibleHeight),
        parts.FrameGap);
    const int height = place.bottom - place.top;
    LMObj** frame = &parts.List->ScrollFrame;
    const auto plain = TextLook::Plain;
    const LayoutRow rows[] = {
        {Make::Frame, parts.FrameId, parts.Page, place.left, place.top, kScrollWidth, height,
         kPngScrollFrame.Id, 0, nullptr, plain, kLayoutHitWhole, frame, kScrollFrameBorder},
        {Make::UpArrow, parts.UpId, frame, 0, 0, kArrowSize, kArrowSize},
        {Make::DownArrow, parts.DownId, frame, 0, height - kArrowSize, kArrowSize, kArrowSize},
        {Make::Image, parts.ThumbId, frame, 0, kThumbY, 0, 0, kPngScrollThumb.Id, 0, nullptr, plain,
         kLayoutMovable, &parts.List->Thumb},
    };
    BuildLayout(rows);
}

void BuildListBars(const ListParts& parts)
{
    PanelList& list = *parts.List;
    const uint32_t flags = kLayoutHidden | kLayoutHitWhole;
    const LayoutRow rows[] = {
        {Make::Frame, parts.HoverId, &list.Container, parts.BarX, kBarY, parts.BarWidth,
         parts.BarHeight, kPngHoverBar.Id, 0, nullptr, TextLook::Plain, flags, &list.HoverBar,
         kBarBorder, parts.Group},
        {Make::Frame, parts.SelectionId, &list.Container, parts.BarX, kBarY, parts.BarWidth,
         parts.BarHeight, kPngSelectionBar.Id, 0, nullptr, TextLook::Plain, flags,
         &list.SelectionBar, kBarBorder, parts.Group},
    };
    BuildLayout(rows);
}
