// Button messages from the hook library: pressed looks, the button state
// for trails, the event, and the sound of each event.

#include "ClickHandling.h"
#include "CTheme.h"
#include "EngineValues.h"
#include "SoundFixtures.h"
#include "TrackingStep.h"
#include "TrackingWorld.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

constexpr int32_t kUnchanged = 99;

class ClickTest : public TrackingFixture {
protected:
    void SetUp() override
    {
        TrackingFixture::SetUp();
        UseTheme({{0, 1}, {0, 2}, {0, 4}, {0, 6}});
        for (int event = 0; event < kMouseEventCount; ++event)
            AddTestSound(*CurrentTheme, event, MakeWave(2 + 2 * event));
        DrawArrow();
    }

    std::string SoundCall(int event) const
    {
        std::ostringstream call;
        call << "PlaySoundW 0x" << std::hex
             << reinterpret_cast<uintptr_t>(CurrentTheme->Sounds[event]->Data.get()) << " 0x0 "
             << std::dec << (SND_ASYNC | SND_MEMORY);
        return call.str();
    }
};

TEST_F(ClickTest, EachButtonMessageHasItsStateEventAndLook)
{
    struct Case {
        UINT Message;
        int32_t ButtonState;
        int32_t Event;
        const char* Look;  // the state asked of the pointer, or none
    };
    const Case rows[] = {
        {WM_LBUTTONDOWN, 1, 0, "0-2"},
        {WM_LBUTTONUP, 2, 1, "0-1"},
        {WM_LBUTTONDBLCLK, kUnchanged, 2, nullptr},
        {WM_RBUTTONDOWN, 1, 6, "0-6"},
        {WM_RBUTTONUP, 2, 7, "0-1"},
        {WM_RBUTTONDBLCLK, kUnchanged, 8, nullptr},
        {WM_MBUTTONDOWN, 1, 3, "0-4"},
        {WM_MBUTTONUP, 2, 4, "0-1"},
        {WM_MBUTTONDBLCLK, kUnchanged, 5, nullptr},
    };
    CThemeCursor* drawn = LastPointerEntry;
    for (UINT offset : {0u, static_cast<UINT>(WM_LBUTTONDOWN - WM_NCLBUTTONDOWN)}) {
        for (const Case& row : rows) {
            UINT message = row.Message - offset;
            SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << message);
            ClearCalls();
            EngineButtonState = kUnchanged;
            OnMouseMessage(message);
            EXPECT_EQ(row.ButtonState, EngineButtonState);
            EXPECT_EQ(row.Event, LastEvent);
            std::vector<std::string> looks;
            if (row.Look)
                looks.push_back(std::string("ChangeObjectState ") + row.Look);
            EXPECT_EQ(looks, world_.CallsOf("ChangeObjectState"));
            EXPECT_EQ(std::vector<std::string>{SoundCall(row.Event)}, world_.CallsOf("PlaySoundW"));
            EXPECT_EQ(drawn, LastPointerEntry);
        }
    }
}

TEST_F(ClickTest, ThePressedLookSurvivesTheNextStep)
{
    OnMouseMessage(WM_LBUTTONDOWN);
    UpdateStep();
    EXPECT_STREQ(L"0-2", PointerState());
    OnMouseMessage(WM_LBUTTONUP);
    UpdateStep();
    EXPECT_STREQ(L"0-1", PointerState());
}

TEST_F(ClickTest, APressWithoutAPressedLookStillPlays)
{
    StripPixels(0, 6);
    OnMouseMessage(WM_RBUTTONDOWN);
    EXPECT_FALSE(world_.Called("ChangeObjectState"));
    EXPECT_STREQ(L"0-1", PointerState());
    EXPECT_EQ(1, world_.Count("PlaySoundW"));
}

TEST_F(ClickTest, WithoutASlotOnlyTheSoundPlays)
{
    CurrentSlot = -1;
    OnMouseMessage(WM_LBUTTONDOWN);
    EXPECT_FALSE(world_.Called("ChangeObjectState"));
    EXPECT_EQ(std::vector<std::string>{SoundCall(0)}, world_.CallsOf("PlaySoundW"));
}

TEST_F(ClickTest, SoundsPlayOnlyWhileEnabledAndShown)
{
    EngineEnabled = 0;
    OnMouseMessage(WM_LBUTTONDOWN);
    EngineEnabled = 1;
    pointer_->Hide();
    OnMouseMessage(WM_LBUTTONUP);
    EXPECT_FALSE(world_.Called("PlaySoundW"));
    EXPECT_EQ(2, world_.Count("ChangeObjectState")) << "the looks still change";
}

TEST_F(ClickTest, OtherMessagesDoNothing)
{
    LastEvent = 4;
    EngineButtonState = 2;
    for (UINT message : {0x20Au, 0x20Bu, 0u, 0xA0u, 0xAAu, 0x200u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << message);
        OnMouseMessage(message);
        EXPECT_TRUE(world_.Calls.empty()) << world_.Calls.front();
        EXPECT_EQ(4, LastEvent);
        EXPECT_EQ(2, EngineButtonState);
    }
}

class SoundTest : public TrackingFixture {
protected:
    void SetUp() override
    {
        TrackingFixture::SetUp();
        UseTheme({{0, 1}});
    }
};

TEST_F(SoundTest, AFilledSlotPlaysItsDataOnceFromMemory)
{
    AddTestSound(*CurrentTheme, 3, MakeWave());
    PlayThemeSound(3);
    std::ostringstream call;
    call << "PlaySoundW 0x" << std::hex
         << reinterpret_cast<uintptr_t>(CurrentTheme->Sounds[3]->Data.get()) << " 0x0 " << std::dec
         << (SND_ASYNC | SND_MEMORY);
    EXPECT_EQ(std::vector<std::string>{call.str()}, world_.CallsOf("PlaySoundW"));
}

TEST_F(SoundTest, NoSlotOrNoEventPlaysNothing)
{
    AddTestSound(*CurrentTheme, 0, MakeWave());
    for (int event : {1, -1, 9, 1000})
        PlayThemeSound(event);
    EXPECT_FALSE(world_.Called("PlaySoundW"));
}

TEST_F(SoundTest, OnlyAWholeWaveWithinItsSizePlays)
{
    const std::string wave = MakeWave(7);
    struct Case {
        const char* Name;
        std::function<std::string()> Bytes;
        bool Plays;
    };
    const Case cases[] = {
        {"whole, with the pad byte", [&] { return wave; }, true},
        {"followed by other bytes", [&] { return wave + "tail"; }, true},
        {"without the last pad byte",
         [&] {
             std::string bytes = wave.substr(0, wave.size() - 1);
             PutU32(&bytes, 4, static_cast<uint32_t>(bytes.size() - 8));
             return bytes;
         },
         true},
        {"truncated", [&] { return wave.substr(0, wave.size() - 4); }, false},
        {"only the header", [&] { return wave.substr(0, 11); }, false},
        {"not RIFF", [&] { return "RIFX" + wave.substr(4); }, false},
        {"not WAVE", [&] { return wave.substr(0, 8) + "AVI " + wave.substr(12); }, false},
        {"RIFF size beyond the data",
         [&] {
             std::string bytes = wave;
             PutU32(&bytes, 4, 0xFFFFFFF8u);
             return bytes;
         },
         false},
        {"data chunk beyond the RIFF",
         [&] {
             std::string bytes = wave;
             PutU32(&bytes, 40, 0x7FFFFFFFu);
             return bytes;
         },
         false},
        {"format chunk too short",
         [&] {
             std::string bytes = wave;
             PutU32(&bytes, 16, 4);
             return bytes;
         },
         false},
        {"no data chunk",
         [&] {
             std::string bytes = wave;
             bytes.replace(36, 4, "junk");
             return bytes;
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        world_.Calls.clear();
        AddTestSound(*CurrentTheme, 0, c.Bytes());
        PlayThemeSound(0);
        EXPECT_EQ(c.Plays ? 1 : 0, world_.Count("PlaySoundW"));
    }
}

}  // namespace
