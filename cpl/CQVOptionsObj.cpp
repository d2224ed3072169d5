#include "CQVOptionsObj.h"

#include "COptionsPane.h"
#include "ObjectFactories.h"

namespace cpl {

namespace {

constexpr int kTextButtonHover = 1;

}  // namespace

CQVOptionsObj::CQVOptionsObj(int32_t typeWord) : CQVObj(typeWord)
{
}

int CQVOptionsObj::OnMouseEnter()
{
    if (HoverMode == kTextButtonHover)
        ChangeState(Id == OptionsPane.SelectedTab ? L"OverSelected" : L"Over");
    return CQVObj::OnMouseEnter();
}

int CQVOptionsObj::OnMouseLeave(LMObj* nextHovered)
{
    if (HoverMode == kTextButtonHover)
        ChangeState(Id == OptionsPane.SelectedTab ? L"AwaySelected" : L"Away");
    return CQVObj::OnMouseLeave(nextHovered);
}

std::unique_ptr<CQVOptionsObj> CreateTabButton(LMObj* parent, int x, int y, const wchar_t* text,
                                               int32_t id)
{
    auto tab = std::make_unique<CQVOptionsObj>(LMObjWindowless);
    AddTextButtonStates(*tab, text, kPageFace, kPageTextSize, kLinkAwayColor, kLinkOverColor,
                        kButtonSelectable);
    tab->Id = id;
    PlaceObject(*tab, parent, x, y);
    return tab;
}

}  // namespace cpl
