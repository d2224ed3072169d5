#include "EffectsAndTrails.h"

void TriggerClickEffect(int, int, int)
{
}

void TrailStep(int, int, int)
{
}
