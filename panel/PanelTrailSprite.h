#pragma once
// The trails page's sprites: a short-lived copy of a trail animation that
// the pointer leaves on the preview area. A sprite cannot delete itself
// from inside its own state callback, so it asks the dialog to, through a
// posted null message.

#include "LMObj.h"
#include "PanelNotices.h"

#include <windows.h>

class CLMTrail : public LMObj {
public:
    CLMTrail();
    ~CLMTrail() override;

    // Posts the delete notice, once however often the end is reported,
    // then as LMObj.
    int OnStateDone(const wchar_t* name, int flags) override;

private:
    bool noticePosted_ = false;
};

// Drops a sprite at (x, y) of the trails page's preview area, of the trail
// the page previews, else of the current theme's: slot 0 (all states),
// else slot 2 (all mouse up); slot 1 is not used. An entry without
// pixels counts as missing. 1 when a sprite was made.
int SpawnTrailSprite(int x, int y);

// The dialog's answer to DeferredDeleteNotice: deletes lParam when it is a
// live sprite of this class, and nothing else whatever the number (the
// message can come twice, late, or from another program). 1 when deleted.
int DeleteTrailSprite(LPARAM lParam);
