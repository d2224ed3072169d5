#include "EditorObjects.h"

#include "FileDialog.h"
#include "LMBitmapState.h"
#include "LMTextState.h"
#include "PngResource.h"
#include "ScopedWin.h"

#include <vector>

std::unique_ptr<LMObj> CreateTextObject(LMObj* parent, int x, int y, const wchar_t* text,
                                        const wchar_t* face, int size, int bold, COLORREF colour,
                                        int alignment)
{
    auto object = std::make_unique<LMObj>(LMObjWindowless);
    object->AddState(
        new LMTextState(L"Default", text, face, size, bold, 0, 0, 0, colour, alignment, 0, 0));
    LMPlaceObject(*object, parent, x, y, true);
    return object;
}

std::unique_ptr<LMObj> CreateResourceBitmapObject(LMObj* parent, int x, int y, UINT pngId)
{
    auto object = std::make_unique<LMObj>(LMObjWindowless);
    object->Movable = 0;
    if (LMBitmap* bitmap = LoadPngResourceBitmap(pngId))
        object->AddState(new LMBitmapState(L"Default", bitmap));
    LMPlaceObject(*object, parent, x, y, true);
    return object;
}

void GetDlgItemTextAlloc(HeapText* slot, HWND dialog, int controlId)
{
    slot->reset();
    HWND control = GetDlgItem(dialog, controlId);
    int length = control ? GetWindowTextLengthW(control) : 0;
    if (length <= 0)
        return;
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(control, text.data(), length + 1);
    if (copied > 0)
        *slot = DuplicateText(text.data(), static_cast<size_t>(copied));
}

void FillSolidRect(HDC dc, int left, int top, int right, int bottom, COLORREF colour)
{
    ScopedBrush brush(CreateSolidBrush(colour));
    ScopedSelectObject selectBrush(dc, brush.Get());
    ScopedSelectObject selectPen(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, left, top, right, bottom);
}

bool AskOpenFile(HWND owner, const wchar_t* filter, std::wstring* path)
{
    wchar_t file[MAX_PATH] = L"";
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!DocFileDialog(dialog, FileDialogKind::Open))
        return false;
    file[MAX_PATH - 1] = L'\0';
    *path = file;
    return !path->empty();
}
