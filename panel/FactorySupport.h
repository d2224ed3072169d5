#pragma once
// What the widget factories share: owning a half-built object, adding its
// states all or none, hanging it into the tree, and the two kinds of state
// they build (skin fades and texts).

#include "LMBitmapState.h"
#include "LMObj.h"

#include <memory>

// The face of every panel text.
extern const wchar_t kPanelFace[];
// Alignment codes of text states.
constexpr int kTextLeft = 1;
constexpr int kTextCentre = 2;
// Frames of the fades step every 20 ms.
constexpr int kFadeFrameMs = 20;

// Deletes an object and everything below it, children first (an object
// leaves its children behind when it goes).
void DeleteObjectTree(LMObj* object);

struct ObjectTreeDeleter {
    void operator()(LMObj* object) const { DeleteObjectTree(object); }
};
template <typename T> using OwnedObject = std::unique_ptr<T, ObjectTreeDeleter>;

// Adds the states in the order given; when one is missing nothing is added.
template <typename... States> bool AddAllStates(LMObj& object, std::unique_ptr<States>... states)
{
    if (!(states && ...))
        return false;
    (object.AddState(states.release()), ...);
    return true;
}

// Hangs the object under its parent, realizes it, moves its visible top-left
// to (x, y) and shows it if asked; null (the object deleted) when either is
// missing.
template <typename T> T* PlaceObject(OwnedObject<T> object, LMObj* parent, int x, int y, bool show)
{
    if (!object || !parent)
        return nullptr;
    LMPlaceObject(*object, parent, x, y, show);
    return object.release();
}

// The skin picture fading from one opacity to another over the frames; null
// when the picture is missing.
std::unique_ptr<LMBitmapState> MakeFadeState(const wchar_t* name, int pngId, int fromAlpha,
                                             int toAlpha, int frames);

// The skin picture at a fixed opacity, hit as the hit mode says.
std::unique_ptr<LMBitmapState> MakeSkinStateAt(const wchar_t* name, int pngId, int alpha,
                                               int hitMode);

// A supersampled "Segoe UI" text state; never null.
std::unique_ptr<LMBitmapState> MakeTextState(const wchar_t* name, const wchar_t* text, int size,
                                             int bold, int underline, COLORREF color, int alignment,
                                             int width);
