#include "EngineTestSupport.h"

#include "CPointer.h"
#include "CTheme.h"
#include "EngineMessages.h"
#include "EngineValues.h"
#include "TrackingStep.h"

void ResetEngineState()
{
    EnginePointer.reset();
    CurrentTheme.reset();
    ResetEngineValues();
    for (UINT& number : EngineMessages)
        number = 0;
    PointerPos = POINT{};
    ReinstallPending = 0;
}
