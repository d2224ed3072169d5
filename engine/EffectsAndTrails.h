#pragma once
// The click-effect and trail hooks. The engine shows neither effects nor
// trails: both hooks do nothing, and no sprite is ever made by the engine.

void TriggerClickEffect(int event, int x, int y);
void TrailStep(int buttonState, int x, int y);
