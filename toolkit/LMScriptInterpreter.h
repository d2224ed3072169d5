#pragma once
// Stepping through a parsed frame script: plain functions over the step table,
// shared by a state's real step and its look-ahead (which runs on copies).

#include "LMFrameScript.h"

#include <cstdint>
#include <vector>

// Where a run of a script stands.
struct LMScriptPosition {
    int32_t Cursor = 0; // index of the current step
    int32_t Counter = 0; // frames already shown from the current step
    uint64_t FramesShown = 0; // frames the run has produced so far
};

// Per step: for a "repeat", the FramesShown of the run when its block was
// entered or last jumped back. A block that has shown nothing since then is
// left at its "end repeat", so no walk goes round an empty block for ever.
using LMScriptBlockMarks = std::vector<uint64_t>;

// Per step: for an "end repeat", the index of the "repeat" it closes; -1 for
// every other step and for an "end repeat" that closes nothing.
void LMMatchRepeatBlocks(
    const std::vector<LMFrameScriptStep>& steps, std::vector<int32_t>* matches);

// Walks from the position to the next frame and returns its index (>= 0), or
// -1 when the walk reaches the end of the table. Pass counters of "repeat"
// steps and the marks change as the walk goes. When given, *delay takes the
// interval of each play step passed. *visits grows by the steps visited.
int32_t LMNextScriptFrame(std::vector<LMFrameScriptStep>& steps, LMScriptBlockMarks& marks,
    const std::vector<int32_t>& matches, LMScriptPosition& position, int32_t* delay,
    int32_t* visits);
