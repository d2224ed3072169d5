#include "LMScriptInterpreter.h"

#include <cstdlib>
#include <limits>

namespace
{

struct ScriptWalk {
    std::vector<LMFrameScriptStep>& steps;
    LMScriptBlockMarks& marks;
    const std::vector<int32_t>& matches;
    LMScriptPosition& at;
};

int32_t ToFrameIndex(int64_t frame)
{
    if (frame < 0)
        return -1;
    return frame > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                       : static_cast<int32_t>(frame);
}

// The frame a play step shows now (-1 for frame 0); moves past the step once
// it has shown all of its frames. A range runs backwards when first > last.
int32_t PlayStep(const LMFrameScriptStep& step, LMScriptPosition& at)
{
    if (step.Last == 0) {
        ++at.Cursor;
        at.Counter = 0;
        return ToFrameIndex(static_cast<int64_t>(step.First) - 1);
    }
    int64_t span = std::llabs(static_cast<int64_t>(step.First) - step.Last);
    if (at.Counter < 0 || at.Counter > span)
        at.Counter = 0;
    int64_t frame = step.First < step.Last ? static_cast<int64_t>(step.First) + at.Counter - 1
                                           : static_cast<int64_t>(step.First) - at.Counter - 1;
    if (at.Counter + 1 > span) {
        ++at.Cursor;
        at.Counter = 0;
    } else {
        ++at.Counter;
    }
    return ToFrameIndex(frame);
}

void EnterBlock(ScriptWalk& walk, int32_t index)
{
    walk.steps[index].PassCounter = 0;
    walk.marks[index] = walk.at.FramesShown;
    walk.at.Cursor = index + 1;
}

// Jumps back while passes remain and the block showed a frame since it was
// entered or last jumped back; otherwise leaves it. An "end repeat" that
// closes nothing is passed over.
void EndBlock(ScriptWalk& walk, int32_t index)
{
    int32_t open = index < static_cast<int32_t>(walk.matches.size()) ? walk.matches[index] : -1;
    walk.at.Cursor = index + 1;
    if (open < 0)
        return;
    LMFrameScriptStep& repeat = walk.steps[open];
    bool showedFrame = walk.marks[open] != walk.at.FramesShown;
    uint32_t passes = static_cast<uint32_t>(repeat.PassCounter);
    if (showedFrame && passes < static_cast<uint32_t>(repeat.RepeatCount) - 1u) {
        repeat.PassCounter = static_cast<int32_t>(passes + 1u);
        walk.marks[open] = walk.at.FramesShown;
        walk.at.Cursor = open + 1;
    }
}

} // namespace

void LMMatchRepeatBlocks(const std::vector<LMFrameScriptStep>& steps, std::vector<int32_t>* matches)
{
    matches->assign(steps.size(), -1);
    std::vector<int32_t> open;
    for (size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].Kind == LMScriptRepeat) {
            open.push_back(static_cast<int32_t>(i));
        } else if (steps[i].Kind == LMScriptEndRepeat && !open.empty()) {
            (*matches)[i] = open.back();
            open.pop_back();
        }
    }
}

int32_t LMNextScriptFrame(std::vector<LMFrameScriptStep>& steps, LMScriptBlockMarks& marks,
    const std::vector<int32_t>& matches, LMScriptPosition& position, int32_t* delay,
    int32_t* visits)
{
    if (marks.size() != steps.size())
        marks.resize(steps.size(), position.FramesShown);
    ScriptWalk walk { steps, marks, matches, position };
    const int32_t count = static_cast<int32_t>(steps.size());
    for (;;) {
        int32_t index = position.Cursor;
        if (index < 0 || index >= count)
            return -1;
        ++*visits;
        LMFrameScriptStep& step = steps[index];
        if (step.Kind == LMScriptRepeat) {
            EnterBlock(walk, index);
        } else if (step.Kind == LMScriptEndRepeat) {
            EndBlock(walk, index);
        } else {
            if (delay)
                *delay = step.Interval;
            int32_t frame = PlayStep(step, position);
            if (frame >= 0) {
                ++position.FramesShown;
                return frame;
            }
        }
    }
}
