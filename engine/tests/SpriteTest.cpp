// The engine's self-deleting sprites, in real windows: hidden and gone one
// frame time after their animation ends.

#include "CLMEffect.h"
#include "CLMTrail.h"
#include "FakeWorld.h"
#include "LMBitmapState.h"
#include "LMClock.h"
#include "LMToolkit.h"
#include "MessagePump.h"
#include "SpriteLifetime.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// The real world, with the sprites' timers and window changes written down.
class SpriteWorld : public EngineWorld {
public:
    UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapseMs, TIMERPROC callback) override
    {
        Calls.push_back({"SetTimer", window, id, elapseMs});
        return EngineWorld::SetTimer(window, id, elapseMs, callback);
    }
    BOOL ShowWindow(HWND window, int command) override
    {
        Calls.push_back({"ShowWindow", window, static_cast<UINT_PTR>(command), 0});
        return EngineWorld::ShowWindow(window, command);
    }

    struct Call {
        std::string Name;
        HWND Window;
        UINT_PTR Value;
        UINT Delay;
    };
    std::vector<Call> Calls;
};

DWORD g_clock = 0;

class SpriteTest : public testing::Test {
protected:
    void SetUp() override
    {
        LMSetClockSource([] { return g_clock; });
    }
    void TearDown() override { LMSetClockSource(nullptr); }

    // A three-frame strip, played once.
    std::unique_ptr<LMBitmapState> MakeState(const wchar_t* script)
    {
        // The state takes the bitmap's one reference.
        auto state =
            std::make_unique<LMBitmapState>(L"Default", new LMBitmap(48, 16, LMBitmapHasAlpha));
        state->SetSize(16, 16);
        state->SetFrames(3, 50, 0);
        if (script)
            ParseFrameScript(script, &state->ScriptSteps);
        return state;
    }

    // Starts the sprite and drives its animation until it arms its timer.
    HWND PlayToTheEnd(LMObj* sprite, LMBitmapState* state)
    {
        sprite->AddState(state);
        sprite->Realize();
        sprite->MoveTo(10, 10);
        sprite->Show();
        sprite->ChangeState(L"Default");
        for (int i = 0; i < 200 && world_.Calls.empty(); ++i) {
            g_clock += 10;
            LMScheduler->Tick(g_clock);
        }
        return sprite->Window;
    }

    SpriteWorld world_;
    ScopedWorld scope_{&world_};
};

TEST_F(SpriteTest, ASpriteHidesAndDeletesItselfOneFrameTimeAfterItsAnimation)
{
    struct Case {
        const char* Name;
        std::function<LMObj*()> Make;
        const wchar_t* Script;
        UINT Delay;
    };
    const Case cases[] = {
        {"effect", [] { return new CLMEffect(); }, nullptr, 50},
        {"trail", [] { return new CLMTrail(); }, nullptr, 50},
        {"effect with a script", [] { return new CLMEffect(); }, L"1-3,30", 30},
        {"trail with a script", [] { return new CLMTrail(); }, L"1-3,30", 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        world_.Calls.clear();
        auto state = MakeState(c.Script);
        LMObj* sprite = c.Make();
        EXPECT_EQ(8, sprite->Layer);
        EXPECT_EQ(1, sprite->StatesNotOwned);
        HWND window = PlayToTheEnd(sprite, state.get());
        ASSERT_NE(nullptr, window);
        ASSERT_EQ(1u, world_.Calls.size());
        EXPECT_EQ("SetTimer", world_.Calls[0].Name);
        EXPECT_EQ(window, world_.Calls[0].Window);
        EXPECT_EQ(kSpriteDeleteTimerId, world_.Calls[0].Value);
        EXPECT_EQ(c.Delay, world_.Calls[0].Delay);
        EXPECT_TRUE(IsWindowVisible(window));

        EXPECT_TRUE(PumpMessagesUntil([&] { return !IsWindow(window); }, 5000));
        ASSERT_EQ(2u, world_.Calls.size());
        EXPECT_EQ("ShowWindow", world_.Calls[1].Name);
        EXPECT_EQ(window, world_.Calls[1].Window);
        EXPECT_EQ(static_cast<UINT_PTR>(SW_HIDE), world_.Calls[1].Value);
        EXPECT_FALSE(IsValidLMObj(sprite));
        if (IsValidLMObj(sprite))
            delete sprite;
        // Nothing of the sprite is left to answer a late message.
        PumpMessagesFor(100);
        EXPECT_EQ(2u, world_.Calls.size());
    }
}

TEST_F(SpriteTest, ASpriteWithoutWindowArmsNothing)
{
    auto state = MakeState(nullptr);
    CLMEffect sprite;
    sprite.AddState(state.get());
    EXPECT_EQ(1, sprite.OnStateDone(L"Default", 0));
    EXPECT_TRUE(world_.Calls.empty());
    EXPECT_EQ(50u, SpriteLingerMs(sprite));
    state->FrameInterval = -5;
    sprite.ChangeState(L"Default");
    EXPECT_EQ(1u, SpriteLingerMs(sprite)) << "a bad interval still ends";
}

}  // namespace
