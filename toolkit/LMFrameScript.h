#pragma once
// Frame scripts: steps of a first frame, an optional "-" and last frame, an
// optional "," and interval in ms; "repeat N" ... "end repeat" loops; steps
// separated by CR, LF, CR LF or ";". Frame numbers count from 1.

#include <cstdint>
#include <vector>

constexpr int32_t LMScriptPlay = 0;
constexpr int32_t LMScriptRepeat = 2;
constexpr int32_t LMScriptEndRepeat = 3;

constexpr int32_t kLMDefaultScriptInterval = 200;

struct LMFrameScriptStep {
    int32_t First = 0;
    int32_t Last = 0;
    int32_t Interval = 0;
    int32_t Kind = LMScriptPlay;
    int32_t PassCounter = 0;
    int32_t RepeatCount = 0;
};
static_assert(sizeof(LMFrameScriptStep) == 24, "six 32-bit fields");

// Parses a NUL-terminated script; returns the step count (0 and an empty
// table for an empty text).
int ParseFrameScript(const wchar_t* text, std::vector<LMFrameScriptStep>* steps);

// The decimal digits at *position, saturating at 2147483647; moves past them.
int32_t ParseNumber(const wchar_t** position);

// The first digit, ',', '-', ';', CR, LF or the terminator at or after position.
const wchar_t* SkipToToken(const wchar_t* position);
