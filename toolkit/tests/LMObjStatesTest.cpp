#include "LMBitmap.h"
#include "LMFrameScript.h"
#include "LMObjGlobals.h"
#include "LMObjTestSupport.h"
#include "LMToolkit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Names = std::vector<std::wstring>;

class LMObjStatesTest : public FakeClockTest {
protected:
    void SetUp() override
    {
        FakeClockTest::SetUp();
        obj.AddState(MakeState(L"Walk", 3, 40));
        obj.AddState(MakeState(L"Idle"));
        obj.AddState(MakeState(L"Spin", 4, 30, LMFrameLoop));
        obj.AddState(MakeState(L"Wave", 2, 20, LMFrameInterruptible));
        obj.AddState(new LMState(L"Sound"));
    }

    bool Registered() { return LMScheduler->Find(&obj) != nullptr; }
    DWORD RegisteredInterval() { return LMScheduler->Find(&obj)->Interval; }
    std::wstring Current() { return obj.CurrentState ? obj.CurrentState->Name : L"(none)"; }

    // Starts Walk and forgets the hooks seen so far.
    void StartWalking()
    {
        obj.ChangeState(L"Walk");
        ASSERT_EQ(L"Walk", Current());
        ASSERT_EQ(1, obj.Animating);
        obj.Changing.clear();
        obj.Done.clear();
    }

    RecordingObj obj;
};

}  // namespace

TEST_F(LMObjStatesTest, AnIdleObjectSwitchesAtOnceAndStartsAnimating)
{
    EXPECT_EQ(2, obj.InternalChangeState(L"Walk", 0, 0));
    EXPECT_EQ(L"Walk", Current());
    EXPECT_EQ(0, obj.GetFrame());
    EXPECT_EQ(1, obj.Animating);
    ASSERT_TRUE(Registered());
    EXPECT_EQ(40u, RegisteredInterval());
    EXPECT_EQ(Names{L"Walk"}, obj.Changing);
    EXPECT_EQ(Names{}, obj.Done) << "an animation is reported when it ends";
}

TEST_F(LMObjStatesTest, AStateWithoutLooksCompletesAtOnceAndKeepsTheCurrentState)
{
    obj.ChangeState(L"Idle");
    obj.Done.clear();
    EXPECT_EQ(1, obj.InternalChangeState(L"Sound", 0, 0));
    EXPECT_EQ(obj.FindState(L"Sound"), obj.TargetState);
    EXPECT_EQ(L"Idle", Current());
    EXPECT_EQ(Names{L"Sound"}, obj.Done);
}

TEST_F(LMObjStatesTest, AnUnknownNameKeepsTheStateAndIsStillReported)
{
    obj.ChangeState(L"Idle");
    obj.Done.clear();
    EXPECT_EQ(1, obj.ChangeState(L"Nowhere"));
    EXPECT_EQ(L"Idle", Current());
    EXPECT_EQ(Names{L"Nowhere"}, obj.Done);
    EXPECT_EQ(std::vector<int>({0, 0 }), obj.DoneFlags);
    EXPECT_EQ(0, obj.InternalChangeState(L"Nowhere", 0, 0));
}

TEST_F(LMObjStatesTest, TheChangingHookMayRewriteOrCancelTheRequest)
{
    obj.Rewrite = [](wchar_t* name) {
        if (std::wstring(name) == L"Walk")
            wcscpy(name, L"Idle");
    };
    obj.ChangeState(L"Walk");
    EXPECT_EQ(L"Idle", Current());
    EXPECT_EQ(Names{L"Idle"}, obj.Done);

    obj.Done.clear();
    obj.Rewrite = [](wchar_t* name) { name[0] = L'\0'; };
    EXPECT_EQ(0, obj.InternalChangeState(L"Spin", 0, 0));
    EXPECT_EQ(L"Idle", Current());
    EXPECT_EQ(Names{}, obj.Done);
    EXPECT_EQ(0, obj.InStateChange);
}

TEST_F(LMObjStatesTest, QueuedStatesAreEachReportedOnce)
{
    StartWalking();
    obj.ChangeState(L"Idle");
    obj.ChangeState(L"Spin");
    EXPECT_EQ(2, obj.QueueCount());
    EXPECT_EQ((Names{L"Idle", L"Spin"}), QueuedNames(obj));

    EXPECT_EQ(1, obj.Update(5100));
    EXPECT_EQ(1, obj.Update(5200));
    EXPECT_EQ(Names{}, obj.Done);
    EXPECT_EQ(1, obj.Update(5300)) << "Walk ends and Idle takes its place";
    EXPECT_EQ(L"Idle", Current());
    EXPECT_EQ((Names{L"Walk", L"Idle"}), obj.Done);
    EXPECT_EQ(Names{L"Spin"}, QueuedNames(obj));

    EXPECT_EQ(1, obj.Update(5400));
    EXPECT_EQ(L"Spin", Current());
    EXPECT_EQ(0, obj.GetFrame());
    EXPECT_EQ(0, obj.QueueCount());
    ASSERT_TRUE(Registered());
    EXPECT_EQ(30u, RegisteredInterval());
    for (DWORD t = 5500; t < 6500; t += 100)
        obj.Update(t);
    EXPECT_TRUE(Registered()) << "a looping state keeps playing";
    EXPECT_EQ((Names{L"Walk", L"Idle"}), obj.Done);
}

TEST_F(LMObjStatesTest, AnInterruptedStaticSwitchIsReportedOnce)
{
    obj.ChangeState(L"Wave");
    obj.Done.clear();
    obj.ChangeState(L"Idle");
    EXPECT_EQ(L"Idle", Current());
    EXPECT_EQ(Names{L"Idle"}, obj.Done);
    ASSERT_TRUE(Registered()) << "still registered from Wave";
    EXPECT_EQ(0, obj.Update(5100));
    EXPECT_EQ(Names{L"Idle"}, obj.Done);
    EXPECT_FALSE(Registered());
}

TEST_F(LMObjStatesTest, AnInterruptibleStateGivesWayAtOnceAndInTheQueue)
{
    obj.ChangeState(L"Wave");
    ASSERT_EQ(1, obj.Animating);
    obj.ChangeState(L"Walk");
    EXPECT_EQ(L"Walk", Current()) << "interruptible and nothing queued: switch now";
    EXPECT_EQ(0, obj.QueueCount());

    obj.ChangeState(L"Wave");
    obj.ChangeState(L"Spin");
    EXPECT_EQ(Names{L"Spin"}, QueuedNames(obj)) << "the queued Wave is replaced";
    obj.ChangeState(L"Wave");
    obj.ChangeState(L"Nowhere");
    EXPECT_EQ((Names{L"Spin", L"Wave", L"Nowhere"}), QueuedNames(obj));
    EXPECT_EQ(nullptr, obj.StateQueue[2].State);
}

TEST_F(LMObjStatesTest, AFailedQueueEntryIsDroppedAndALoopingStateGoesOn)
{
    obj.ChangeState(L"Spin");
    obj.ChangeState(L"Nowhere");
    obj.Done.clear();
    for (DWORD t = 5100; t <= 5400; t += 100)
        obj.Update(t);
    EXPECT_EQ((Names{L"Spin", L"Nowhere"}), obj.Done);
    EXPECT_EQ(0, obj.QueueCount());
    EXPECT_EQ(L"Spin", Current());
    EXPECT_EQ(0, obj.GetFrame());
    EXPECT_TRUE(Registered());
}

TEST_F(LMObjStatesTest, TheQueueHoldsTwentySixRequests)
{
    StartWalking();
    for (int i = 0; i < 26; ++i)
        ASSERT_EQ(1, obj.EnqueueState(L"Idle", 0)) << i;
    EXPECT_EQ(26, obj.QueueCount());
    EXPECT_EQ(0, obj.EnqueueState(L"Idle", 0));
    EXPECT_EQ(1, obj.ChangeState(L"Idle"));
    EXPECT_EQ(26, obj.QueueCount());
}

TEST_F(LMObjStatesTest, AnImmediateRequestEmptiesTheQueueAndSwitches)
{
    StartWalking();
    obj.ChangeState(L"Idle");
    obj.ChangeState(L"Spin");
    obj.ChangeState(L"Idle", LMRequestImmediate, 0);
    EXPECT_EQ(0, obj.QueueCount());
    EXPECT_EQ(L"Idle", Current());
    EXPECT_FALSE(Registered());
}

TEST_F(LMObjStatesTest, ASilentRequestCallsNeitherHook)
{
    obj.ChangeState(L"Idle", LMRequestSilent, 0);
    obj.ChangeState(L"Nowhere", LMRequestSilent, 0);
    EXPECT_EQ(L"Idle", Current());
    EXPECT_EQ(Names{}, obj.Changing);
    EXPECT_EQ(Names{}, obj.Done);
}

TEST_F(LMObjStatesTest, StartingFromTheEndShowsTheFrameAndDoesNotAnimate)
{
    obj.ChangeState(L"Spin", LMRequestFromEnd, 1);
    EXPECT_EQ(L"Spin", Current());
    EXPECT_EQ(2, obj.GetFrame());
    EXPECT_EQ(0, obj.Animating);
    EXPECT_FALSE(Registered());
}

TEST_F(LMObjStatesTest, MouseAwayIsNotRequestedTwice)
{
    obj.AddState(MakeState(L"Mouse away"));
    obj.ChangeState(L"Mouse away");
    obj.Changing.clear();
    obj.Done.clear();
    EXPECT_EQ(0, obj.InternalChangeState(L"Mouse away", 0, 0));
    EXPECT_EQ(Names{}, obj.Changing);
    EXPECT_EQ(Names{}, obj.Done);
    EXPECT_EQ(2, obj.InternalChangeState(L"mouse away", 0, 0)) << "the rule is case-sensitive";
    EXPECT_EQ(2, obj.InternalChangeState(L"Mouse away", LMRequestImmediate, 0));
}

TEST_F(LMObjStatesTest, AScriptedStateStartsAtItsFirstScriptFrame)
{
    struct Row {
        int flags;
        int removeResult;
    } rows[] = { {0, 0}, { LMFrameLoop, 1 } };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "frame flags " << row.flags);
        RecordingObj scripted;
        TestState* state = MakeState(L"Script", 4, 50, row.flags);
        ParseFrameScript(L"2-3", &state->ScriptSteps);
        scripted.AddState(state);
        g_testNow = 7000;
        scripted.ChangeState(L"Script");
        EXPECT_EQ(1, scripted.GetFrame());
        EXPECT_EQ(7000u, state->LastTick);
        ASSERT_NE(nullptr, LMScheduler->Find(&scripted));
        EXPECT_EQ(9u, LMScheduler->Find(&scripted)->Interval);
        for (DWORD t = 7201; t <= 7800; t += 201)
            scripted.Update(t);
        EXPECT_EQ(row.removeResult, LMScheduler->Remove(&scripted));
    }
}

TEST_F(LMObjStatesTest, LongNamesAreCutTo199Characters)
{
    struct Row {
        size_t length, kept;
    } rows[] = {{199, 199}, {200, 199}, {300, 199}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.length << " characters");
        std::wstring name(row.length, L'x');
        RecordingObj named;
        named.ChangeState(name.c_str());
        ASSERT_EQ(1u, named.Changing.size());
        EXPECT_EQ(row.kept, named.Changing[0].size());
        ASSERT_EQ(1u, named.Done.size());
        EXPECT_EQ(row.kept, named.Done[0].size());
    }
    StartWalking();
    obj.ChangeState(std::wstring(300, L'x').c_str());
    ASSERT_EQ(1, obj.QueueCount());
    EXPECT_EQ(std::wstring(199, L'x'), obj.StateQueue[0].Name);
}

TEST_F(LMObjStatesTest, NullNamesFailQuietly)
{
    EXPECT_EQ(1, obj.ChangeState(nullptr));
    EXPECT_EQ(nullptr, obj.CurrentState);
    EXPECT_EQ(Names{}, obj.Done);
    StartWalking();
    EXPECT_EQ(1, obj.EnqueueState(nullptr, 0));
    for (DWORD t = 5100; t <= 5300; t += 100)
        obj.Update(t);
    EXPECT_EQ(0, obj.QueueCount());
    EXPECT_EQ(L"Walk", Current());
    EXPECT_EQ(nullptr, obj.FindState(nullptr));
    EXPECT_EQ(0, obj.RemoveState(nullptr));
}

TEST_F(LMObjStatesTest, ASwitchKeepsTheGripOfADragAndRegrowsTheBackBuffer)
{
    RecordingObj dragged;
    dragged.HAlign = 1;
    dragged.AnchorX = 100;
    dragged.AddState(new TestState(L"Small", 20, 10));
    dragged.AddState(new TestState(L"Large", 40, 10));
    dragged.ChangeState(L"Small");
    ASSERT_EQ(90, dragged.VisibleX);
    dragged.BackBuffer = std::make_unique<LMBitmap>(1, 1, LMBitmapHasAlpha);
    PressedObject = &dragged;
    PressPoint = POINT{5, 5};
    dragged.ChangeState(L"Large");
    EXPECT_EQ(80, dragged.VisibleX);
    EXPECT_EQ(15, PressPoint.x);
    EXPECT_EQ(5, PressPoint.y);
    ASSERT_NE(nullptr, dragged.BackBuffer);
    EXPECT_EQ(40, dragged.BackBuffer->Width);
    EXPECT_EQ(10, dragged.BackBuffer->Height);
}
