#pragma once
// The options pane's tab buttons: text buttons that show their selected
// looks while their tab is the selected one.

#include "CQVObj.h"

#include <memory>

namespace cpl {

class CQVOptionsObj : public CQVObj {
public:
    explicit CQVOptionsObj(int32_t typeWord);

    int OnMouseEnter() override;
    int OnMouseLeave(LMObj* nextHovered) override;
};

// A tab button with the text button's looks and "AwaySelected" and
// "OverSelected" in bold.
std::unique_ptr<CQVOptionsObj> CreateTabButton(LMObj* parent, int x, int y, const wchar_t* text,
                                               int32_t id);

}  // namespace cpl
