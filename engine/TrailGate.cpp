#include "TrailGate.h"

#include "CPointer.h"
#include "EffectsAndTrails.h"
#include "EngineValues.h"
#include "EngineWorld.h"
#include "TrackingValues.h"

namespace {

constexpr int32_t kTrailRate = 20;

}  // namespace

int32_t TrailRate = kTrailRate;
DWORD LastTrailTime = 0;
POINT LastTrailPos = {};

void ResetTrailGateValues()
{
    TrailRate = kTrailRate;
    LastTrailTime = 0;
    LastTrailPos = POINT{};
}

bool TrailGateOpens(const TrailGateFacts& facts, DWORD now, DWORD lastTime, int32_t rate)
{
    if (facts.Suppressed || !facts.Enabled || !facts.PointerShown || rate <= 0)
        return false;
    return now - lastTime > static_cast<DWORD>(1000 / rate);
}

TrailGateResult TrailTimerGate()
{
    TrailGateFacts facts = {TrailSuppressed, EngineEnabled, EnginePointer && EnginePointer->Shown};
    DWORD now = World().NowMs();
    if (!TrailGateOpens(facts, now, LastTrailTime, TrailRate))
        return TrailGateResult::Closed;
    LastTrailTime = now;
    POINT position = {};
    if (!World().GetCursorPos(&position))
        return TrailGateResult::Unmoved;
    if (position.x == LastTrailPos.x && position.y == LastTrailPos.y)
        return TrailGateResult::Unmoved;
    TrailStep(EngineButtonState, position.x, position.y);
    LastTrailPos = position;
    return TrailGateResult::Stepped;
}
