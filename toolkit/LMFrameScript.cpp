// The frame-script parser. Scripts come from theme files, so every read stops
// at the terminator and every number saturates.

#include "LMFrameScript.h"

#include <limits>
#include <new>
#include <stdexcept>

namespace
{

constexpr int32_t kMaxNumber = std::numeric_limits<int32_t>::max();

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

bool IsSeparator(wchar_t c)
{
    return c == L'\r' || c == L'\n' || c == L';';
}

// Compares ASCII letters without case and stops at the first difference, so a
// keyword cut short by the terminator reads nothing past it.
bool StartsWithKeyword(const wchar_t* text, const char* keyword)
{
    for (; *keyword; ++text, ++keyword) {
        wchar_t c = *text;
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
        if (c != static_cast<wchar_t>(*keyword))
            return false;
    }
    return true;
}

// CR LF is one separator.
const wchar_t* SkipSeparator(const wchar_t* position)
{
    if (position[0] == L'\r' && position[1] == L'\n')
        return position + 2;
    return position + 1;
}

size_t CountSteps(const wchar_t* text)
{
    size_t steps = 1;
    for (const wchar_t* p = text; *p;) {
        if (IsSeparator(*p)) {
            ++steps;
            p = SkipSeparator(p);
        } else {
            ++p;
        }
    }
    return steps;
}

const wchar_t* ParsePlayStep(const wchar_t* p, LMFrameScriptStep& step, int32_t& interval)
{
    step.Kind = LMScriptPlay;
    step.First = ParseNumber(&p);
    p = SkipToToken(p);
    if (*p == L'-') {
        ++p;
        step.Last = ParseNumber(&p);
        p = SkipToToken(p);
    }
    if (*p == L',') {
        p = SkipToToken(p + 1);
        interval = ParseNumber(&p);
        p = SkipToToken(p);
    }
    step.Interval = interval;
    return p;
}

// One step from p; returns where it stopped: a separator, the terminator, or a
// digit, ',' or '-' from which the same step is parsed again.
const wchar_t* ParseStep(const wchar_t* p, LMFrameScriptStep& step, int32_t& interval)
{
    step = LMFrameScriptStep {};
    if (StartsWithKeyword(p, "end repeat")) {
        step.Kind = LMScriptEndRepeat;
        return SkipToToken(p + 10);
    }
    if (StartsWithKeyword(p, "repeat ")) {
        p += 7;
        step.Kind = LMScriptRepeat;
        step.RepeatCount = ParseNumber(&p);
        return SkipToToken(p);
    }
    return ParsePlayStep(p, step, interval);
}

} // namespace

int32_t ParseNumber(const wchar_t** position)
{
    const wchar_t* p = *position;
    int32_t value = 0;
    for (; IsDigit(*p); ++p) {
        int digit = *p - L'0';
        value = value > (kMaxNumber - digit) / 10 ? kMaxNumber : value * 10 + digit;
    }
    *position = p;
    return value;
}

const wchar_t* SkipToToken(const wchar_t* position)
{
    while (*position && !IsDigit(*position) && *position != L',' && *position != L'-'
        && !IsSeparator(*position))
        ++position;
    return position;
}

int ParseFrameScript(const wchar_t* text, std::vector<LMFrameScriptStep>* steps)
{
    steps->clear();
    if (!text || !*text)
        return 0;
    try {
        steps->resize(CountSteps(text));
    } catch (const std::bad_alloc&) {
        return 0;
    } catch (const std::length_error&) {
        return 0;
    }
    int32_t interval = kLMDefaultScriptInterval;
    size_t entry = 0;
    const wchar_t* p = text;
    while (entry < steps->size()) {
        p = ParseStep(p, (*steps)[entry], interval);
        if (!*p)
            break;
        if (IsSeparator(*p)) {
            p = SkipSeparator(p);
            ++entry;
        }
    }
    return static_cast<int>(steps->size());
}
