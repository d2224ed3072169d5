#include "TrackingValues.h"

POINT PointerPos = {};
POINT PlacedPos = {};
int32_t CurrentSlot = -1;
CThemeCursor* LastPointerEntry = nullptr;
int PointerHidden = 0;
int DummyVerified = 0;
int32_t VerifyCounter = 0;
int32_t ActivityCounter = 0;
int ReinstallPending = 0;
DWORD ThreadCheckTime = 0;
int32_t LastEvent = -1;
int32_t EngineButtonState = 0;

void ResetTrackingValues()
{
    PointerPos = POINT{};
    PlacedPos = POINT{};
    CurrentSlot = -1;
    LastPointerEntry = nullptr;
    PointerHidden = 0;
    DummyVerified = 0;
    VerifyCounter = 0;
    ActivityCounter = 0;
    ReinstallPending = 0;
    ThreadCheckTime = 0;
    LastEvent = -1;
    EngineButtonState = 0;
}
