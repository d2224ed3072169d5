#pragma once
// The arithmetic of the panel's scrolled lists, apart from their objects:
// which thumb an arrow, a repeat timer or the wheel moves and by how much,
// and how far a thumb may go and where its list then stands.

#include "PanelState.h"

#include <windows.h>

// The arrow's list and signed step, and the timer that repeats it; the
// theme list's arrows repeat by 1 px although a press moves a row step.
struct ScrollMove {
    PanelList* List = nullptr;  // null: nothing moves
    int Step = 0;
    UINT_PTR Timer = 0;
};

ScrollMove ArrowMove(LibraryPagesState& library, int arrowId);
ScrollMove RepeatMove(LibraryPagesState& library, UINT_PTR timer);
// The first shown page of themes, effects, sounds and trails decides; the
// effects and sounds pages scroll the list that has the focus. A notch
// (delta 120) back moves the thumb down one step.
ScrollMove WheelMove(LibraryPagesState& library, int delta);

// A thumb keeps between Low and High (frame or page coordinates); its list
// scrolls over that travel, none when it is 0 or less.
struct ThumbTravel {
    int Low = 0;
    int High = 0;
};

// A list's thumb inside its scroll frame, under the up arrow and above
// the down arrow.
ThumbTravel ListThumbTravel(int frameHeight, int thumbHeight);
// The cursor grid's thumb, which lies on the page beside its frame.
ThumbTravel GridThumbTravel(int frameY, int frameHeight, int thumbHeight);

int ClampThumb(const ThumbTravel& travel, int y);
// Where the thumb stays for a proposed y: clamped to the travel, and at its
// top while the list is no taller than its clip (there is nothing to
// scroll, and the list stays at the top too).
int KeptThumb(const ThumbTravel& travel, int y, int listHeight, int clipHeight);

// The list's y for a thumb at y (clamped), from 0 at the top of the travel
// to the part of the list the clip cannot show at its bottom; a list no
// taller than its clip stays at 0. False when the travel is empty.
bool ListYForThumb(const ThumbTravel& travel, int y, int listHeight, int clipHeight, int* listY);

// The trail preview drops a sprite only more than 1000 / rate ms after the
// last one; a rate below 1 counts as the default 20.
bool TrailSpriteDue(DWORD now, DWORD lastSprite, int perSecond);
