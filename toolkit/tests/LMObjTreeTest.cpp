#include "LMObjGlobals.h"
#include "LMObjTestSupport.h"
#include "LMToolkit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

using Names = std::vector<std::wstring>;

}  // namespace

TEST(LMObjTree, AddChildAppendsOrInsertsAtTheFront)
{
    RecordingObj parent, a, b, c;
    EXPECT_EQ(1, parent.AddChild(&a));
    EXPECT_EQ(1, parent.AddChild(&b, 0));
    EXPECT_EQ(1, parent.AddChild(&c, 1));
    EXPECT_EQ((std::vector<LMObj*>{&c, &a, &b}), parent.Children);
    EXPECT_EQ(3, parent.ChildCount());
    EXPECT_EQ(nullptr, c.Parent) << "AddChild leaves the parent link to SetParent";
    EXPECT_EQ(0, parent.AddChild(nullptr));
    parent.Children.clear();
}

TEST(LMObjTree, RemoveChildTakesTheChildOffTheTimerAndRepaintsItsPlace)
{
    RecordingObj parent, child, stranger;
    child.VisibleX = 3;
    child.VisibleY = 4;
    child.VisibleWidth = 5;
    child.VisibleHeight = 6;
    child.SetParent(&parent);
    LMScheduler->Add(&child, 50);
    HoveredObject = &child;
    EXPECT_EQ(1, parent.RemoveChild(&child));
    EXPECT_EQ(0, parent.ChildCount());
    EXPECT_EQ(nullptr, LMScheduler->Find(&child));
    EXPECT_EQ(nullptr, HoveredObject);
    EXPECT_EQ(std::vector<RepaintRequest> { (RepaintRequest{3, 4, 5, 6, 1}) }, parent.Repaints);
    EXPECT_EQ(0, parent.RemoveChild(&stranger));
    EXPECT_EQ(2u, parent.Repaints.size()) << "the place is repainted either way";
    EXPECT_EQ(0, parent.RemoveChild(nullptr));
    child.Parent = nullptr;
}

TEST(LMObjTree, SetParentMovesTheObjectBetweenParents)
{
    RecordingObj first, second, child;
    EXPECT_EQ(0, child.SetParent(&first));
    EXPECT_EQ(&first, child.Parent);
    EXPECT_EQ(0, child.SetParent(&first));
    EXPECT_EQ(1, first.ChildCount()) << "the same parent again changes nothing";
    EXPECT_EQ(0, child.SetParent(&second));
    EXPECT_EQ(0, first.ChildCount());
    EXPECT_EQ((std::vector<LMObj*>{&child}), second.Children);
    EXPECT_EQ(0, child.SetParent(nullptr));
    EXPECT_EQ(nullptr, child.Parent);
    EXPECT_EQ(0, second.ChildCount());
}

TEST(LMObjTree, AParentInsideTheObjectsOwnSubtreeIsRefused)
{
    RecordingObj top, middle, bottom;
    middle.SetParent(&top);
    bottom.SetParent(&middle);
    top.SetParent(&bottom);
    EXPECT_EQ(nullptr, top.Parent);
    middle.SetParent(&middle);
    EXPECT_EQ(&top, middle.Parent);
    EXPECT_EQ(1, middle.ChildCount());
    bottom.SetParent(nullptr);
    middle.SetParent(nullptr);
}

TEST(LMObjTree, SetParentAtFrontPutsTheObjectFirstUnlessTheParentStays)
{
    RecordingObj first, other, a, b, child;
    a.SetParent(&other);
    b.SetParent(&other);
    child.SetParent(&first);
    EXPECT_EQ(0, child.SetParent(&other, 1));
    EXPECT_EQ((std::vector<LMObj*>{&child, &a, &b}), other.Children);
    EXPECT_EQ(0, first.ChildCount());
    EXPECT_EQ(0, b.SetParent(&other, 1));
    EXPECT_EQ((std::vector<LMObj*>{&child, &a, &b}), other.Children)
        << "the same parent moves nothing";
}

TEST(LMObjTree, ARowTextIsACopyOrNull)
{
    RecordingObj row;
    EXPECT_EQ(0, row.SetRowText(L""));
    EXPECT_EQ(nullptr, row.LinkName);
    EXPECT_EQ(1, row.SetRowText(L"chime.wav"));
    EXPECT_STREQ(L"chime.wav", row.LinkName.get());
    EXPECT_EQ(0, row.SetRowText(nullptr));
    EXPECT_EQ(nullptr, row.LinkName);
}

TEST(LMObjTree, AnEmptyGroupNameLeavesNone)
{
    RecordingObj obj;
    EXPECT_EQ(1, obj.SetGroupName(L"Grip"));
    ASSERT_NE(nullptr, obj.GroupName);
    EXPECT_STREQ(L"Grip", obj.GroupName.get());
    EXPECT_EQ(0, obj.SetGroupName(L""));
    EXPECT_EQ(nullptr, obj.GroupName);
    obj.SetGroupName(L"Grip");
    EXPECT_EQ(0, obj.SetGroupName(nullptr));
    EXPECT_EQ(nullptr, obj.GroupName);
}

TEST(LMObjStateList, NamesMatchWithoutCaseAndTheFirstWins)
{
    RecordingObj obj;
    TestState* walk = MakeState(L"Walk");
    obj.AddState(walk);
    obj.AddState(MakeState(L"WALK"));
    EXPECT_EQ(walk, obj.FindState(L"WALK"));
    EXPECT_EQ(walk, obj.FindState(L"walk"));
    EXPECT_EQ(nullptr, obj.FindState(L"Walker"));
}

TEST(LMObjStateList, CapacityMovesInStepsOfFive)
{
    RecordingObj obj;
    struct Row {
        int count;
        int capacity;
    } rows[] = { {1, 5}, {5, 5}, {6, 10}, {11, 15 } };
    int added = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.count << " states");
        while (added < row.count)
            obj.AddState(MakeState((L"S" + std::to_wstring(added++)).c_str()));
        EXPECT_EQ(row.count, obj.StateCount());
        EXPECT_EQ(row.capacity, obj.StateCapacity);
    }
    Row removals[] = { {10, 15}, {9, 10}, {4, 5}, {0, 5 } };
    for (const Row& row : removals) {
        SCOPED_TRACE(testing::Message() << "down to " << row.count << " states");
        while (added > row.count)
            ASSERT_EQ(1, obj.RemoveState((L"S" + std::to_wstring(--added)).c_str()));
        EXPECT_EQ(row.capacity, obj.StateCapacity);
    }
}

TEST(LMObjStateList, AddStateRefusesNullAndAStateItAlreadyHolds)
{
    RecordingObj obj;
    TestState* state = MakeState(L"Once");
    EXPECT_EQ(0, obj.AddState(nullptr));
    EXPECT_EQ(1, obj.AddState(state));
    EXPECT_EQ(0, obj.AddState(state));
    EXPECT_EQ(1, obj.StateCount());
}

TEST(LMObjStateList, AddStateWithActivateSwitchesSilently)
{
    RecordingObj obj;
    obj.AddState(MakeState(L"Idle"), 1);
    ASSERT_NE(nullptr, obj.CurrentState);
    EXPECT_EQ(L"Idle", obj.CurrentState->Name);
    EXPECT_EQ(Names{}, obj.Changing);
    EXPECT_EQ(Names{}, obj.Done);
}

TEST(LMObjStateList, RemovingTheCurrentStateLeavesNoneCurrent)
{
    RecordingObj obj;
    obj.AddState(MakeState(L"Idle"), 1);
    EXPECT_EQ(0, obj.RemoveState(L"Nowhere"));
    EXPECT_EQ(1, obj.RemoveState(L"IDLE"));
    EXPECT_EQ(nullptr, obj.CurrentState);
    EXPECT_EQ(nullptr, obj.TargetState);
    EXPECT_EQ(-1, obj.GetFrame());
}

TEST(LMObjStateList, RemoveStateWithKeepHandsTheStateBack)
{
    RecordingObj obj;
    std::unique_ptr<TestState> kept(MakeState(L"Kept"));
    obj.AddState(kept.get(), 1);
    EXPECT_EQ(1, obj.RemoveState(L"Kept", 1));
    EXPECT_EQ(L"Kept", kept->Name);
    EXPECT_EQ(0, obj.StateCount());
}

TEST(LMObjStateList, FramesAreSetOnlyWithinTheStrip)
{
    RecordingObj obj;
    EXPECT_EQ(-1, obj.GetFrame());
    EXPECT_EQ(0, obj.SetFrame(0));
    obj.AddState(MakeState(L"Strip", 4), 1);
    obj.Invalidates.clear();
    EXPECT_EQ(1, obj.SetFrame(3));
    EXPECT_EQ(3, obj.GetFrame());
    EXPECT_EQ(std::vector<int>{1}, obj.Invalidates);
    EXPECT_EQ(0, obj.SetFrame(4));
    EXPECT_EQ(0, obj.SetFrame(-1));
    EXPECT_EQ(3, obj.GetFrame());
}

TEST(LMObjDeletion, ChildrenOutliveTheirParentWithoutAParent)
{
    auto parent = std::make_unique<RecordingObj>();
    auto first = std::make_unique<RecordingObj>();
    auto second = std::make_unique<RecordingObj>();
    first->SetParent(parent.get());
    second->SetParent(parent.get());
    parent.reset();
    EXPECT_EQ(nullptr, first->Parent);
    EXPECT_EQ(nullptr, second->Parent);
    EXPECT_TRUE(IsValidLMObj(first.get()));
    first.reset();
    second.reset();
}

TEST(LMObjDeletion, ADeletedObjectLeavesTheToolkitsPointers)
{
    auto obj = std::make_unique<RecordingObj>();
    FocusObject = obj.get();
    HoveredObject = obj.get();
    PressedObject = obj.get();
    LMScheduler->Add(obj.get(), 10);
    LMObj* address = obj.get();
    obj.reset();
    EXPECT_EQ(nullptr, FocusObject);
    EXPECT_EQ(nullptr, HoveredObject);
    EXPECT_EQ(nullptr, PressedObject);
    EXPECT_EQ(nullptr, LMScheduler->Find(address));
}

TEST(LMObjDeletion, OnlyLiveObjectsAreValid)
{
    auto obj = std::make_unique<RecordingObj>();
    EXPECT_TRUE(IsValidLMObj(obj.get()));
    EXPECT_TRUE(IsValidLMObj(RootObject));
    // A block that holds a copy of a live object's bytes, signature included.
    std::vector<unsigned char> lookalike(sizeof(RecordingObj));
    std::memcpy(lookalike.data(), static_cast<void*>(obj.get()), sizeof(RecordingObj));
    EXPECT_FALSE(IsValidLMObj(lookalike.data()));
    LMObj* stale = obj.get();
    obj.reset();
    EXPECT_FALSE(IsValidLMObj(stale));
    EXPECT_FALSE(IsValidLMObj(nullptr));
}

TEST(LMObjDeletion, TheOldParentRepaintsTheAreaLaterOn)
{
    RecordingObj parent;
    auto child = std::make_unique<RecordingObj>();
    child->SetParent(&parent);
    child->Shown = 1;
    child->LastBounds = RECT{10, 20, 40, 60};
    parent.Repaints.clear();
    child.reset();
    ASSERT_EQ(2u, parent.Repaints.size());
    EXPECT_EQ((RepaintRequest{10, 20, 30, 40, LMRepaintDeferred}), parent.Repaints[1]);
    EXPECT_EQ(0, parent.ChildCount());
}

TEST(LMObjDeletion, StatesNotOwnedOutliveTheObject)
{
    std::unique_ptr<TestState> shared(MakeState(L"Shared"));
    {
        RecordingObj obj;
        obj.StatesNotOwned = 1;
        obj.AddState(shared.get(), 1);
    }
    EXPECT_EQ(L"Shared", shared->Name);
}

class LMObjStaleStates : public FakeClockTest {
};

TEST_F(LMObjStaleStates, ARemovedQueuedStateIsNeverReadAgain)
{
    RecordingObj obj;
    obj.AddState(MakeState(L"Walk", 3, 40));
    auto* wave = new PoisonState(L"Wave", 10, 10);
    wave->SetFrames(2, 20, LMFrameInterruptible);
    obj.AddState(wave);
    obj.AddState(MakeState(L"Spin", 4, 30, LMFrameLoop));
    obj.ChangeState(L"Walk");
    obj.ChangeState(L"Wave");
    ASSERT_EQ(1, obj.RemoveState(L"Wave"));
    EXPECT_EQ(nullptr, obj.StateQueue[0].State);
    obj.ChangeState(L"Spin");
    EXPECT_EQ((Names{L"Wave", L"Spin"}), QueuedNames(obj))
        << "a freed interruptible state must not decide the queue";
    for (DWORD t = 5100; t <= 5400; t += 100)
        obj.Update(t);
    EXPECT_EQ((Names{L"Walk", L"Wave"}), obj.Done) << "the name is still reported";
    EXPECT_EQ(L"Spin", obj.CurrentState->Name);
}

TEST_F(LMObjStaleStates, DeleteStatesClearsEveryPointerToThem)
{
    RecordingObj obj;
    obj.AddState(MakeState(L"Walk", 3, 40));
    obj.AddState(new PoisonState(L"Wave", 10, 10));
    obj.AddState(new LMState(L"Sound"));
    obj.ChangeState(L"Sound");
    obj.ChangeState(L"Walk");
    obj.ChangeState(L"Wave");
    EXPECT_EQ(1, obj.DeleteStates());
    EXPECT_EQ(0, obj.StateCount());
    EXPECT_EQ(0, obj.StateCapacity);
    EXPECT_EQ(nullptr, obj.CurrentState);
    EXPECT_EQ(nullptr, obj.TargetState);
    ASSERT_EQ(1, obj.QueueCount());
    EXPECT_EQ(nullptr, obj.StateQueue[0].State);
    EXPECT_EQ(L"Wave", std::wstring(obj.StateQueue[0].Name));
    obj.Done.clear();
    EXPECT_EQ(0, obj.Update(5100));
    EXPECT_EQ(0, obj.QueueCount());
    EXPECT_EQ(Names{L"Wave"}, obj.Done);
    EXPECT_EQ(nullptr, LMScheduler->Find(&obj));
}

TEST_F(LMObjStaleStates, AStateRemovedByItsOwnReportIsNotTouchedAgain)
{
    RecordingObj obj;
    obj.AddState(new PoisonState(L"Idle", 10, 10));
    obj.AfterDone = [&obj] { obj.RemoveState(L"Idle"); };
    EXPECT_EQ(1, obj.ChangeState(L"Idle"));
    EXPECT_EQ(Names{L"Idle"}, obj.Done);
    EXPECT_EQ(nullptr, obj.CurrentState);
    EXPECT_EQ(0, obj.Animating);
    EXPECT_EQ(nullptr, LMScheduler->Find(&obj));
}
