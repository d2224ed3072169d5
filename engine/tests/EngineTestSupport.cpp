#include "EngineTestSupport.h"

#include "CPointer.h"
#include "CTheme.h"
#include "CursorSubstitution.h"
#include "EngineMessages.h"
#include "EngineValues.h"
#include "TrackingStep.h"

void ResetEngineState()
{
    EnginePointer.reset();
    CurrentTheme.reset();
    ResetEngineValues();
    ResetCursorSubstitution();
    for (UINT& number : EngineMessages)
        number = 0;
    PointerPos = POINT{};
    ReinstallPending = 0;
}
