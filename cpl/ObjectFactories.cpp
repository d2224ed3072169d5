#include "ObjectFactories.h"

#include "CplModule.h"
#include "LMBitmap.h"
#include "LMBitmapState.h"
#include "LMBlankState.h"
#include "LMPngResource.h"
#include "LMRectangularState.h"
#include "LMTextState.h"

namespace cpl {

namespace {

constexpr int kHandCursor = 14;
constexpr int kButtonHoverMode = 1;

// The order every factory ends with.
std::unique_ptr<CQVObj> Place(std::unique_ptr<CQVObj> object, LMObj* parent, int x, int y)
{
    PlaceObject(*object, parent, x, y);
    return object;
}

LMTextState* NewText(const wchar_t* name, const wchar_t* text, const wchar_t* face, int size,
                     int bold, int underline, COLORREF color)
{
    auto* state =
        new LMTextState(name, text, face, size, bold, 0, underline, 0, color, kTextCentred, 0, 0);
    state->SetHitMode(LMHitWholeFrame);
    return state;
}

// The PNG as state "Default", never hit; the state, or null without the image.
LMBitmapState* AddImageState(CQVObj& object, int pngId)
{
    LMBitmap* bitmap = LoadPngResourceBitmap(pngId);
    if (!bitmap)
        return nullptr;
    auto* state = new LMBitmapState(L"Default", bitmap);
    state->SetHitMode(LMHitNever);
    object.AddState(state);
    return state;
}

}  // namespace

void PlaceObject(LMObj& object, LMObj* parent, int x, int y)
{
    LMPlaceObject(object, parent, x, y, true);
}

LMBitmap* LoadPngResourceBitmap(int pngId)
{
    return LMLoadPngResource(Module(), pngId);
}

std::unique_ptr<CQVObj> CreateTextObj(LMObj* parent, int x, int y, const wchar_t* text,
                                      const wchar_t* face, int size, int bold, COLORREF color,
                                      int alignment)
{
    auto object = std::make_unique<CQVObj>(LMObjWindowless);
    object->AddState(
        new LMTextState(L"Default", text, face, size, bold, 0, 0, 0, color, alignment, 0, 0));
    return Place(std::move(object), parent, x, y);
}

std::unique_ptr<CQVObj> CreateBitmapObj(LMObj* parent, int x, int y, int pngId)
{
    auto object = std::make_unique<CQVObj>(LMObjWindowless);
    AddImageState(*object, pngId);
    return Place(std::move(object), parent, x, y);
}

std::unique_ptr<CQVObj> CreateFrameObj(LMObj* parent, int x, int y, int width, int height, int left,
                                       int top, int right, int bottom, int pngId)
{
    auto object = std::make_unique<CQVObj>(LMObjWindowless);
    if (LMBitmapState* state = AddImageState(*object, pngId))
        state->ResizeBitmap(width, height, left, right, top, bottom, 1, 1);
    return Place(std::move(object), parent, x, y);
}

std::unique_ptr<CQVObj> CreateRectObj(LMObj* parent, int x, int y, int width, int height,
                                      COLORREF border, COLORREF fill)
{
    auto object = std::make_unique<CQVObj>(LMObjWindowless);
    auto* state = new LMRectangularState(L"Default", border, 192, fill, 255);
    state->SetSize(width, height);
    state->SetHitMode(LMHitWholeFrame);
    state->PassThrough = 0;
    object->AddState(state);
    return Place(std::move(object), parent, x, y);
}

std::unique_ptr<CQVObj> CreateBlankObj(LMObj* parent, int x, int y, int width, int height)
{
    auto object = std::make_unique<CQVObj>(LMObjWindowless);
    auto* state = new LMBlankState(L"Default");
    state->SetSize(width, height);
    state->SetHitMode(LMHitWholeFrame);
    object->AddState(state);
    return Place(std::move(object), parent, x, y);
}

void AddTextButtonStates(CQVObj& object, const wchar_t* text, const wchar_t* face, int size,
                         COLORREF awayColor, COLORREF overColor, int flags)
{
    int bold = (flags & kButtonBold) ? 1 : 0;
    object.AddState(NewText(L"Away", text, face, size, bold, 0, awayColor));
    object.AddState(NewText(L"Over", text, face, size, bold, 1, overColor));
    if (flags & kButtonSelectable) {
        object.AddState(NewText(L"AwaySelected", text, face, size, 1, 0, awayColor));
        object.AddState(NewText(L"OverSelected", text, face, size, 1, 1, overColor));
    }
    object.HoverMode = kButtonHoverMode;
    object.CursorIndex = kHandCursor;
}

std::unique_ptr<CQVObj> CreateTextButton(LMObj* parent, int x, int y, const wchar_t* text,
                                         const wchar_t* face, int size, COLORREF awayColor,
                                         COLORREF overColor, int flags)
{
    auto object = std::make_unique<CQVObj>(LMObjWindowless);
    AddTextButtonStates(*object, text, face, size, awayColor, overColor, flags);
    return Place(std::move(object), parent, x, y);
}

}  // namespace cpl
