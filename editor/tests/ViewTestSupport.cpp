#include "ViewTestSupport.h"

#include "FileDialog.h"
#include "LMTextState.h"

#include <cstdarg>

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

Texts BoxTexts(HWND dialog, const Ints& ids)
{
    Texts texts;
    for (int id : ids) {
        wchar_t text[64] = {};
        GetDlgItemTextW(dialog, id, text, 64);
        texts.push_back(text);
    }
    return texts;
}

std::wstring Format(const wchar_t* format, ...)
{
    wchar_t text[512];
    va_list arguments;
    va_start(arguments, format);
    vswprintf(text, 512, format, arguments);
    va_end(arguments);
    return text;
}

void EditorPaneTest::SetUp()
{
    DocSetFileDialogHandler([this](OPENFILENAMEW& dialog, FileDialogKind) {
        std::wstring name = dialog.lpstrFilter;
        Filters.push_back(name + L"|" + (dialog.lpstrFilter + name.size() + 1));
        if (Answer.empty() || Answer.size() >= dialog.nMaxFile)
            return FALSE;
        wcscpy(dialog.lpstrFile, Answer.c_str());
        return TRUE;
    });
    StartView();
}

void EditorPaneTest::TearDown()
{
    world_.Holds = nullptr;
    EditorViewTest::TearDown();
    DocSetFileDialogHandler(nullptr);
}

void EditorPaneTest::Notify(HWND dialog, int id, int code)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
