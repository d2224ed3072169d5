// Random scripts from a fixed seed: each is parsed from text that ends right
// before an inaccessible page, then played through a 4-frame bitmap state
// whose strip and target lie between guard bytes. Every call must return,
// stay within its step budget and keep inside its memory.

#include "BitmapFixtures.h"
#include "GuardedMemory.h"
#include "LMBitmapState.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

namespace
{

constexpr uint32_t kBaseSeed = 0x5EED1105;
constexpr int kScripts = 10000;
constexpr size_t kMaxLength = 300;
constexpr int kFrames = 4;
constexpr int kFrameWidth = 3;
constexpr int kFrameHeight = 2;
constexpr int kAdvanceCalls = 300;

// Named in the crash report when a script faults.
std::string g_currentCase;

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info)
{
    std::fprintf(stderr, "fault 0x%08lX while playing %s\n",
        static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode), g_currentCase.c_str());
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_CONTINUE_SEARCH;
}

std::string Escape(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text) {
        char buffer[8];
        if (c == L'\r')
            out += "\\r";
        else if (c == L'\n')
            out += "\\n";
        else if (c == L'\t')
            out += "\\t";
        else if (c == L'\\' || c == L'"')
            out += std::string("\\") + static_cast<char>(c);
        else if (c >= 0x20 && c < 0x7F)
            out += static_cast<char>(c);
        else {
            std::snprintf(buffer, sizeof(buffer), "\\u%04X", static_cast<unsigned>(c));
            out += buffer;
        }
    }
    return out;
}

std::wstring AnyCase(std::mt19937& rng, const wchar_t* word)
{
    std::wstring out(word);
    for (wchar_t& c : out) {
        if (c >= L'a' && c <= L'z' && rng() % 2)
            c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return out;
}

std::wstring Digits(std::mt19937& rng)
{
    if (rng() % 4)
        return std::wstring(1, static_cast<wchar_t>(L'0' + rng() % 6));
    std::wstring run(1 + rng() % 25, L'0');
    for (wchar_t& c : run)
        c = static_cast<wchar_t>(L'0' + rng() % 10);
    return run;
}

std::wstring Piece(std::mt19937& rng)
{
    static const wchar_t* const kBreaks[] = { L"\r", L"\n", L"\r\n", L";" };
    static const wchar_t* const kBlanks[] = { L" ", L"\t", L"  " };
    switch (rng() % 14) {
    case 0:
        return AnyCase(rng, L"repeat ");
    case 1:
        return AnyCase(rng, L"end repeat");
    // Keywords count only at the start of a step: most come right after a break.
    case 12:
        return kBreaks[rng() % 4] + AnyCase(rng, L"repeat ") + Digits(rng);
    case 13:
        return kBreaks[rng() % 4] + AnyCase(rng, L"end repeat");
    case 2:
    case 3:
        return Digits(rng);
    case 4:
        return L"-";
    case 5:
        return L",";
    case 6:
        return L";";
    case 7:
        return kBreaks[rng() % 3];
    case 8:
        return kBlanks[rng() % 3];
    case 9:
        return std::wstring(1, static_cast<wchar_t>((rng() % 2 ? L'a' : L'A') + rng() % 26));
    case 10:
        return std::wstring(1, static_cast<wchar_t>(0xD800 + rng() % 0x800));
    default:
        return std::wstring(1, static_cast<wchar_t>(1 + rng() % 0xFFFF));
    }
}

std::wstring RandomScript(std::mt19937& rng)
{
    size_t length = rng() % (kMaxLength + 1);
    std::wstring text;
    while (text.size() < length)
        text += Piece(rng);
    text.resize(length);
    return text;
}

size_t ExpectedSteps(const std::wstring& text)
{
    if (text.empty())
        return 0;
    size_t steps = 1;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L';' || text[i] == L'\n' || (text[i] == L'\r' && text[i + 1] != L'\n'))
            ++steps;
    }
    return steps;
}

class ScriptPlayer
{
public:
    ScriptPlayer()
        : stripMemory_(kFrames * kFrameWidth, kFrameHeight, 256)
        , canvas_(kFrameWidth + 2, kFrameHeight + 2, 256)
    {
        strip_ = new LMBitmap(stripMemory_.TakeBitmap(), LMBitmapHasAlpha | LMBitmapPremultiplied);
        strip_->AddRef();
        for (int y = 0; y < kFrameHeight; ++y) {
            for (int x = 0; x < kFrames * kFrameWidth; ++x)
                *strip_->PixelAt(x, y) = FrameColor(x / kFrameWidth);
        }
    }
    ~ScriptPlayer() { strip_->Release(); }

    testing::AssertionResult Play(const wchar_t* text, size_t expectedSteps, std::mt19937& rng);

private:
    static uint32_t FrameColor(int frame) { return Bgra(0x40 * (frame + 1) - 1, 0x11, 0x22, 0xFF); }
    testing::AssertionResult DrawAndCheck(LMBitmapState& state);

    GuardedDib stripMemory_;
    GuardedCanvas canvas_;
    LMBitmap* strip_ = nullptr;
};

testing::AssertionResult ScriptPlayer::DrawAndCheck(LMBitmapState& state)
{
    canvas_.Fill(0);
    if (state.DrawFrame(canvas_.Dc(), 1, 1, 0, 0, kFrameWidth, kFrameHeight, 255) != 1)
        return testing::AssertionFailure() << "DrawFrame did not return 1";
    int index = state.GetFrameIndex();
    uint32_t expected = index >= 0 && index < kFrames ? FrameColor(index) : 0;
    uint32_t drawn = canvas_.Pixel(kFrameWidth, kFrameHeight);
    if (drawn != expected || canvas_.Pixel(0, 0) != 0)
        return testing::AssertionFailure() << "frame " << index << " drew " << std::hex << drawn;
    if (!canvas_.Dib().GuardsIntact() || !stripMemory_.GuardsIntact())
        return testing::AssertionFailure() << "a guard byte changed";
    return testing::AssertionSuccess();
}

// Plays the script as an object would: starts it, advances it at rising times
// with random pending changes, and restarts it where an object would.
testing::AssertionResult ScriptPlayer::Play(
    const wchar_t* text, size_t expectedSteps, std::mt19937& rng)
{
    LMBitmapState state(L"Fuzz", strip_);
    int flags = (rng() % 2 ? LMFrameLoop : 0) | static_cast<int>(rng() % 4);
    state.SetFrames(kFrames, 50, flags);
    int count = ParseFrameScript(text, &state.ScriptSteps);
    if (static_cast<size_t>(count) != expectedSteps || state.ScriptSteps.size() != expectedSteps)
        return testing::AssertionFailure() << count << " steps, expected " << expectedSteps;
    const int32_t budget = 2 * (count + 1) * (count + 1);
    DWORD now = rng();
    state.ResetScript();
    state.CurrentFrame = state.HasScript() ? state.ScriptStep() : 0;
    state.LastTick = now;
    for (int call = 0; call <= kAdvanceCalls; ++call) {
        if (state.LastStepVisits > budget)
            return testing::AssertionFailure()
                << "call " << call << " visited " << state.LastStepVisits << " steps";
        testing::AssertionResult drawn = DrawAndCheck(state);
        if (!drawn)
            return drawn << " at call " << call;
        now += rng() % 260;
        int result = state.Advance(rng() % 4 == 0, now);
        if (result < LMAdvanceNone || result > LMAdvanceEnded)
            return testing::AssertionFailure() << "Advance returned " << result;
        if (result == LMAdvanceEnded) {
            state.ResetScript();
            state.CurrentFrame = state.HasScript() ? state.ScriptStep() : 0;
            state.LastTick = now;
        }
    }
    return testing::AssertionSuccess();
}

} // namespace

TEST(FrameScriptFuzz, RandomScriptsParseAndPlayWithinBounds)
{
    GuardedText text(kMaxLength);
    ScriptPlayer player;
    LPTOP_LEVEL_EXCEPTION_FILTER previous = SetUnhandledExceptionFilter(&ReportCrash);
    for (int i = 0; i < kScripts; ++i) {
        uint32_t seed = kBaseSeed + static_cast<uint32_t>(i);
        std::mt19937 rng(seed);
        std::wstring script = RandomScript(rng);
        g_currentCase = "seed " + std::to_string(seed) + " script \"" + Escape(script) + "\"";
        testing::AssertionResult played = player.Play(text.Set(script), ExpectedSteps(script), rng);
        ASSERT_TRUE(played) << g_currentCase;
    }
    SetUnhandledExceptionFilter(previous);
}
