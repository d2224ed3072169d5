#pragma once
// What the list builders share: rows and labels that are never hit,
// previews holding their own copy of an animation, clearing a list for its
// next build, fitting the container to its rows, and keeping the selected
// and hovered rows inside them.

#include "CQVObj.h"
#include "CThemeEntry.h"
#include "LMBitmapState.h"
#include "PanelState.h"

#include <windows.h>

// Text colours of the lists.
constexpr COLORREF kListTextColor = 0x000000;
constexpr COLORREF kListDetailColor = 0x323232;

// The trail list's fixed rows: none, then the built-in ghost trail; files
// follow from row 2.
constexpr int kGhostTrailRow = 1;
constexpr int kTrailFixedRows = 2;

// Interface texts more than one list or view shows.
constexpr int kUiNone = 55;
constexpr int kUiGhostTrail = 74;
constexpr int kUiNoTheme = 46;

// Shows or hides an object unless it already is; null does nothing.
void ShowIfHidden(LMObj* object);
void HideIfShown(LMObj* object);
void SetShown(LMObj* object, bool shown);
// Whether the object's current state has this name, ignoring case.
bool InState(const LMObj* object, const wchar_t* name);

// A blank row of the container at (0, y), never hit, in the group; null
// without a container.
CQVObj* MakeListRow(LMObj* container, int y, int width, int height, int controlId, int hoverMode,
                    const wchar_t* group);

// A label of the text (cut to `width` when not 0), never hit, in the group
// when one is given.
CQVObj* MakeListLabel(LMObj* parent, int x, int y, const wchar_t* text, int size, COLORREF color,
                      int width, const wchar_t* group);

// A plain windowless text object (centred alignment, never hit) of the row
// size; the theme list's names.
LMObj* MakeRowText(LMObj* parent, int x, int y, const wchar_t* text, int size);

// An entry with an animation over a bitmap; others count as missing.
bool HasPicture(const CThemeEntry* entry);

// How a preview copy looks: the theme list's previews carry a drop shadow,
// the effect and trail lists' loop.
enum class PreviewLook { Shadowed, Looping };

// A windowless child of the row with a deep copy of the animation (offsets
// 0, never hit), its opaque bounds centred in the row's preview box.
LMObj* AddRowPreview(LMObj* row, const LMBitmapState& animation, int boxHeight, PreviewLook look);

// Deletes every child of the list's container but its two bars, the last
// first, and empties the row list.
void ClearListRows(PanelList& list);

// Resizes the container's state to its width and the height, so the
// scroll range follows the rows.
void FitListContainer(const PanelList& list, int height);

// The scroll step for that many entries, from the list's frame and thumb.
int ListRowStep(const PanelList& list, int entries);

// After a rebuild: a selected or hovered row past the new rows becomes
// `none` and its bar hides.
void KeepRowsInBounds(PanelList& list, int rows, int none);

// Interface text n, or an empty text when no language file has it.
const wchar_t* UiText(int n);
