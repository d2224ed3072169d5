#include "ViewTestSupport.h"

#include "LMTextState.h"

void EditorViewTest::StartView()
{
    ASSERT_TRUE(Start());
    view_ = View(0);
    ASSERT_NE(nullptr, view_);
    view_->OnSize(0, 900, 600);
}

CEditorMFCView* EditorViewTest::View(size_t document) const
{
    CEditorMFCDoc* owner = Document(document);
    if (!owner || owner->Views().empty())
        return nullptr;
    return dynamic_cast<CEditorMFCView*>(owner->Views().front());
}

std::vector<int> ChildRectOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::vector<int> ObjectRect(const LMObj* object)
{
    if (!object)
        return {};
    return {object->VisibleX, object->VisibleY, object->VisibleWidth, object->VisibleHeight};
}

bool HasVisibleStyle(HWND window)
{
    return window && (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE);
}

std::wstring ObjectText(const LMObj* object)
{
    auto* state = object ? dynamic_cast<LMTextState*>(object->CurrentState) : nullptr;
    return state ? state->Text : L"(no text)";
}

std::wstring PaneTitleOf(const CEditorMFCView& view, int grid)
{
    return ObjectText(view.PaneTitleText(grid));
}
