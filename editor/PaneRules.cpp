#include "PaneRules.h"

#include "LMState.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

const PaneFormat kPaneFormats[3] = {
    // The cursor pane writes Frames unsigned and reads it signed, and the
    // interval the other way round.
    {BoxSign::Unsigned, BoxSign::Signed, BoxSign::Signed, BoxSign::Signed, BoxSign::Signed,
     BoxSign::Unsigned},
    {BoxSign::Unsigned, BoxSign::Unsigned, BoxSign::Unsigned, BoxSign::Signed, BoxSign::Unsigned,
     BoxSign::Unsigned},
    {BoxSign::Unsigned, BoxSign::Unsigned, BoxSign::Unsigned, BoxSign::Signed, BoxSign::Unsigned,
     BoxSign::Unsigned},
};

std::wstring FormatBoxNumber(int32_t value, BoxSign sign)
{
    return sign == BoxSign::Signed ? std::to_wstring(value)
                                   : std::to_wstring(static_cast<uint32_t>(value));
}

int32_t ReadBoxNumber(const wchar_t* text, BoxSign sign)
{
    if (!text)
        return 0;
    bool negative = false;
    if (sign == BoxSign::Signed && (*text == L'-' || *text == L'+'))
        negative = *text++ == L'-';
    if (!*text)
        return 0;
    // Unsigned arithmetic wraps modulo 2^32 by definition.
    uint32_t value = 0;
    for (; *text; ++text) {
        if (*text < L'0' || *text > L'9')
            return 0;
        value = value * 10u + static_cast<uint32_t>(*text - L'0');
    }
    return static_cast<int32_t>(negative ? 0u - value : value);
}

int32_t StoredFrames(int32_t frames, int32_t imageWidth)
{
    frames = std::max(frames, 1);
    return imageWidth > 0 ? std::min(frames, imageWidth) : frames;
}

int32_t CommittedFrameFlags(int32_t alternate)
{
    return LMFrameLoop | LMFrameInterruptible | (alternate ? LMFramePingPong : 0);
}

bool SameScript(const wchar_t* first, const wchar_t* second)
{
    first = first ? first : L"";
    second = second ? second : L"";
    for (; *first && *second; ++first, ++second) {
        if (std::towlower(*first) != std::towlower(*second))
            return false;
    }
    return *first == *second;
}

int ScrolledPosition(int code, const SCROLLINFO& bar)
{
    const int page = std::max(static_cast<int>(bar.nPage), 1);
    const int step = bar.nPos / page * page;
    switch (code) {
    case SB_LINEUP:
    case SB_PAGEUP:
        return std::max(step - page, 0);
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
        return std::min(step + page, bar.nMax);
    case SB_THUMBTRACK:
        return bar.nTrackPos;
    case SB_TOP:
        return bar.nMin;
    case SB_BOTTOM:
        return bar.nMax;
    default:
        return bar.nPos;
    }
}

POINT HotSpotInFrame(int x, int y, int frameWidth, int frameHeight)
{
    return {std::clamp(x, 0, std::max(frameWidth - 1, 0)),
            std::clamp(y, 0, std::max(frameHeight - 1, 0))};
}
