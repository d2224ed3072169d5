#include "ClickHandling.h"

#include "CPointer.h"
#include "CTheme.h"
#include "EffectsAndTrails.h"
#include "EngineValues.h"
#include "EngineWorld.h"
#include "TrackingStep.h"

namespace {

// Rows by the offset of the message from WM_LBUTTONDOWN (0x201); the
// non-client messages (0xA1..0xA9) keep the same order.
constexpr MouseMessageRow kRows[] = {
    {kEngineButtonPressed, 0, kCursorStateLeftDown},    // left down
    {kEngineButtonReleased, 1, kCursorStateNormal},     // left up
    {0, 2, kPointerStateUnchanged},                     // left double-click
    {kEngineButtonPressed, 6, kCursorStateRightDown},   // right down
    {kEngineButtonReleased, 7, kCursorStateNormal},     // right up
    {0, 8, kPointerStateUnchanged},                     // right double-click
    {kEngineButtonPressed, 3, kCursorStateMiddleDown},  // middle down
    {kEngineButtonReleased, 4, kCursorStateNormal},     // middle up
    {0, 5, kPointerStateUnchanged},                     // middle double-click
};
constexpr UINT kRowCount = sizeof(kRows) / sizeof(kRows[0]);

// A pressed look when the theme has one; a release brings the normal look.
void SwitchPointer(int32_t state)
{
    if (CurrentSlot == -1 || state == kPointerStateUnchanged || !EnginePointer)
        return;
    if (CThemeCursor* entry = ResolvePointer(CurrentSlot, state))
        EnginePointer->ChangeStateByName(entry->Animation->Name.c_str());
}

}  // namespace

bool DecideMouseMessage(UINT message, MouseMessageRow* row)
{
    UINT index = kRowCount;
    if (message >= WM_LBUTTONDOWN && message < WM_LBUTTONDOWN + kRowCount)
        index = message - WM_LBUTTONDOWN;
    else if (message >= WM_NCLBUTTONDOWN && message < WM_NCLBUTTONDOWN + kRowCount)
        index = message - WM_NCLBUTTONDOWN;
    if (index >= kRowCount)
        return false;
    *row = kRows[index];
    return true;
}

void OnMouseMessage(UINT message)
{
    MouseMessageRow row = {};
    if (!DecideMouseMessage(message, &row))
        return;
    if (row.ButtonState != 0)
        EngineButtonState = row.ButtonState;
    LastEvent = row.Event;
    // LastPointerEntry stays, so the next steps keep the pressed look.
    SwitchPointer(row.PointerState);
    if (!EngineEnabled || !EnginePointer || !EnginePointer->Shown)
        return;
    POINT position = {};
    World().GetCursorPos(&position);
    TriggerClickEffect(LastEvent, position.x, position.y);
    PlayThemeSound(LastEvent);
}
