// Swapping the system pointers for the dummy and back, against the simulated
// system pointers of SystemCursorModel (under Wine SetSystemCursor changes
// nothing). Every test ends as a shutdown would, and then no copy may be left.

#include "CursorSubstitution.h"
#include "CPointer.h"
#include "CTheme.h"
#include "EngineLifecycle.h"
#include "EngineMessages.h"
#include "EngineTestSupport.h"
#include "EngineValues.h"
#include "ScopedWin.h"
#include "SystemCursorModel.h"
#include "SystemCursorTable.h"
#include "TrackingStep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

using Model = SystemCursorModel;

constexpr DWORD kArrow = 32512;
constexpr DWORD kBusy = 32514;
constexpr DWORD kBeam = 32513;
constexpr DWORD kSizeWestEast = 32644;

std::vector<DWORD> AllIds()
{
    std::vector<DWORD> ids;
    for (const SystemCursorSlot& slot : SystemCursorSlots)
        ids.push_back(static_cast<DWORD>(slot.OcrId));
    return ids;
}

// A theme whose normal cursors are the given roles.
std::unique_ptr<CTheme> ThemeOf(const std::vector<int32_t>& roles)
{
    std::vector<TestCursor> cursors;
    for (int32_t role : roles)
        cursors.push_back(TestCursor{role, 1});
    return MakeTestTheme(cursors);
}

class CursorSubstitutionTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResetEngineState();
        ResetCursorSubstitution();
        EngineInstance = cursors().Module;
        EngineWindow = window_;
        SharedCursorView = reinterpret_cast<SharedCursorPair*>(world_.View);
    }
    void TearDown() override
    {
        // What a shutdown does with whatever is still in.
        RestoreWindowsCursors();
        EXPECT_EQ(0, cursors().LiveCopies()) << "copies neither destroyed nor handed over";
        EXPECT_EQ(0, cursors().LiveBitmaps()) << "mask bitmaps not deleted";
        ResetCursorSubstitution();
        ResetEngineState();
    }

    Model& cursors() { return world_.Cursors; }
    void Use(const std::vector<int32_t>& roles) { CurrentTheme = ThemeOf(roles); }

    // Every id shows the user's own pointer.
    void ExpectOriginals()
    {
        for (DWORD id : AllIds())
            EXPECT_EQ(static_cast<int>(id), cursors().Showing(id)) << "pointer " << id;
    }

    CursorWorld<FakeWorld> world_;
    ScopedWorld scope_{&world_};
    HWND window_ = reinterpret_cast<HWND>(0x1000);
};

TEST_F(CursorSubstitutionTest, OnlyRolesWithANormalCursorWithPixelsAreReplaced)
{
    auto noPixels = [] {
        auto theme = ThemeOf({});
        auto cursor = std::make_unique<CThemeCursor>();
        cursor->State = 1;
        cursor->Group = 1;
        theme->AddCursor(std::move(cursor));
        return theme;
    };
    struct Case {
        const char* Name;
        std::unique_ptr<CTheme> Theme;
        std::vector<DWORD> Replaced;
    };
    Case cases[] = {
        {"arrow only", ThemeOf({0}), {kArrow}},
        {"roles 10 and 19", ThemeOf({10, 19}), {kSizeWestEast}},
        {"role 9 only", ThemeOf({9}), {}},
        {"role 0 without pixels", noPixels(), {}},
        {"two role-0 entries", ThemeOf({0, 0}), {kArrow}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.Name);
        CurrentTheme = std::move(c.Theme);
        cursors().SetIds.clear();
        EnableEngine();
        EXPECT_EQ(c.Replaced, cursors().SetIds);
        for (DWORD id : AllIds()) {
            bool replaced = std::count(c.Replaced.begin(), c.Replaced.end(), id) != 0;
            EXPECT_EQ(replaced ? Model::kDummyPicture : static_cast<int>(id), cursors().Showing(id))
                << "pointer " << id;
        }
        DisableEngine();
        ExpectOriginals();
    }
}

TEST_F(CursorSubstitutionTest, TheRealSharedRecordHoldsTheArrowOnly)
{
    ScopedKernelHandle mapping(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                  kSharedCursorBytes, kSharedCursorName));
    ASSERT_TRUE(mapping.IsValid());
    ScopedMappedView view(MapViewOfFile(mapping.Get(), FILE_MAP_WRITE, 0, 0, 0));
    ASSERT_TRUE(view.IsValid());
    SharedCursorView = static_cast<SharedCursorPair*>(view.Get());
    memset(SharedCursorView, 0, kSharedCursorBytes);
    Use({0});
    EnableEngine();

    ScopedKernelHandle reader(OpenFileMappingW(FILE_MAP_READ, FALSE, kSharedCursorName));
    ASSERT_TRUE(reader.IsValid());
    ScopedMappedView readView(MapViewOfFile(reader.Get(), FILE_MAP_READ, 0, 0, 0));
    ASSERT_TRUE(readView.IsValid());
    const auto* records = static_cast<const SharedCursorPair*>(readView.Get());
    const SystemCursorSlot& arrow = SystemCursorSlots[0];
    EXPECT_EQ(HandleToULong(arrow.Dummy), records[0].Dummy);
    EXPECT_EQ(HandleToULong(arrow.SavedCopy), records[0].SavedCopy);
    EXPECT_NE(0u, records[0].Dummy);
    EXPECT_NE(0u, records[0].SavedCopy);
    for (int slot = 1; slot < kSharedCursorSlots; ++slot) {
        EXPECT_EQ(0u, records[slot].Dummy) << "slot " << slot;
        EXPECT_EQ(0u, records[slot].SavedCopy) << "slot " << slot;
    }
    DisableEngine();
    SharedCursorView = nullptr;
}

TEST_F(CursorSubstitutionTest, WithoutAThemeNothingIsAsked)
{
    EngineEnabled = 1;
    EXPECT_EQ(0, SetDummyCursors());
    EXPECT_EQ(std::vector<DWORD>{}, cursors().SetIds);
    EXPECT_EQ(std::vector<std::string>{}, world_.Calls);
    EXPECT_EQ(0u, LastInstallTime);
}

TEST_F(CursorSubstitutionTest, RoundTripsBringBackEveryPointer)
{
    for (bool newHandles : {false, true}) {
        SCOPED_TRACE(newHandles ? "handles change with each swap" : "handles stay");
        cursors().NewHandleAfterSet = newHandles;
        cursors().SetIds.clear();
        Use({0, 3, 5});
        world_.Now = 5000;
        for (int round = 0; round < 2; ++round) {
            EnableEngine();
            EXPECT_EQ(5000u, LastInstallTime);
            EXPECT_EQ(Model::kDummyPicture, cursors().Showing(kBusy));
            size_t calls = cursors().SetIds.size();
            EnableEngine();
            EXPECT_EQ(calls, cursors().SetIds.size()) << "a second EnableEngine";
            world_.Sleeps.clear();
            DisableEngine();
            DisableEngine();
            EXPECT_EQ(std::vector<DWORD>{100}, world_.Sleeps);
            ExpectOriginals();
        }
        for (DWORD id : cursors().SetIds)
            EXPECT_TRUE(id == kArrow || id == kBusy || id == kBeam) << "pointer " << id;
        EXPECT_EQ(12u, cursors().SetIds.size()) << "3 swaps and 3 restores, twice";
    }
}

TEST_F(CursorSubstitutionTest, GetSystemCursorAnswersWithTheUsersPointer)
{
    Use({0, 3});
    RegisterEngineMessages();
    EnableEngine();
    HCURSOR arrow = GetSystemCursor(0);
    EXPECT_EQ(static_cast<int>(kArrow), cursors().PictureOf(arrow));
    EXPECT_EQ(SystemCursorSlots[0].SavedCopy, arrow);
    EXPECT_EQ(HandleToULong(arrow), reinterpret_cast<SharedCursorPair*>(world_.View)[0].SavedCopy);
    for (WPARAM slot : {WPARAM{15}, WPARAM{1000}, static_cast<WPARAM>(-1)}) {
        SCOPED_TRACE(testing::Message() << "slot " << static_cast<INT_PTR>(slot));
        EXPECT_EQ(nullptr, GetSystemCursor(slot));
        EXPECT_EQ(0, EngineWndProc(window_, EngineMessages[WM_TRV_GETSYSCUR], slot, 0));
    }
    DisableEngine();
    HCURSOR busy = GetSystemCursor(3);
    EXPECT_EQ(world_.LoadCursorW(nullptr, MAKEINTRESOURCEW(kBusy)), busy);
    EXPECT_EQ(static_cast<int>(kBusy), cursors().PictureOf(busy));
    EXPECT_EQ(reinterpret_cast<LRESULT>(busy),
              EngineWndProc(window_, EngineMessages[WM_TRV_GETSYSCUR], 3, 0));
}

TEST_F(CursorSubstitutionTest, AReinstallKeepsTheUsersPointers)
{
    RegisterEngineMessages();
    // Twice in a row, and through the re-install timer.
    for (bool timer : {false, true}) {
        SCOPED_TRACE(timer ? "timer 134" : "SetDummyCursors twice");
        Use({0, 3});
        EnableEngine();
        if (timer)
            EngineWndProc(window_, WM_TIMER, kReinstallTimerId, 0);
        else
            EXPECT_EQ(1, SetDummyCursors());
        EXPECT_EQ(static_cast<int>(kArrow), cursors().PictureOf(SystemCursorSlots[0].SavedCopy));
        EXPECT_EQ(static_cast<int>(kBusy), cursors().PictureOf(SystemCursorSlots[3].SavedCopy));
        DisableEngine();
        ExpectOriginals();
    }
}

TEST_F(CursorSubstitutionTest, AReinstallCopiesWhatAnotherProgramPutThere)
{
    constexpr int kForeign = 777;
    Use({0, 3});
    EnableEngine();
    cursors().Show(kArrow, kForeign);
    EXPECT_EQ(1, SetDummyCursors());
    EXPECT_EQ(kForeign, cursors().PictureOf(SystemCursorSlots[0].SavedCopy));
    EXPECT_EQ(Model::kDummyPicture, cursors().Showing(kArrow));
    DisableEngine();
    EXPECT_EQ(kForeign, cursors().Showing(kArrow));
    EXPECT_EQ(static_cast<int>(kBusy), cursors().Showing(kBusy));
}

TEST_F(CursorSubstitutionTest, DummiesLeftByADeadEngineAreNeverSaved)
{
    cursors().Show(kArrow, Model::kDummyPicture);
    cursors().Show(kBusy, Model::kDummyPicture);
    Use({0, 3, 5});
    EnableEngine();
    EXPECT_EQ(nullptr, SystemCursorSlots[0].SavedCopy);
    EXPECT_EQ(nullptr, SystemCursorSlots[3].SavedCopy);
    EXPECT_NE(nullptr, SystemCursorSlots[0].Dummy) << "still matched as the dummy";
    EXPECT_EQ(std::vector<DWORD>{kBeam}, cursors().SetIds);
    DisableEngine();
    EXPECT_EQ(1, cursors().Reloads);
    ExpectOriginals();
}

TEST_F(CursorSubstitutionTest, ALateReinstallTimerInstallsNothing)
{
    RegisterEngineMessages();
    Use({0});
    EnableEngine();
    DisableEngine();
    cursors().SetIds.clear();
    ReinstallPending = 1;
    world_.Calls.clear();
    EngineWndProc(window_, WM_TIMER, kReinstallTimerId, 0);
    EXPECT_EQ(std::vector<DWORD>{}, cursors().SetIds);
    EXPECT_TRUE(world_.Called("KillTimer 0x1000 134"));
    EXPECT_EQ(0, ReinstallPending);
    EXPECT_FALSE(AnyDummyInstalled());
}

TEST_F(CursorSubstitutionTest, ShutdownRestoresInstalledDummiesWhateverTheFlag)
{
    Use({0, 5});
    EnableEngine();
    EngineEnabled = 0;
    ShutdownEngine(0);
    ExpectOriginals();
    EXPECT_FALSE(AnyDummyInstalled());
}

int PreviousFilterCalls = 0;
LONG WINAPI CountingFilter(EXCEPTION_POINTERS*)
{
    ++PreviousFilterCalls;
    return EXCEPTION_EXECUTE_HANDLER;
}

TEST_F(CursorSubstitutionTest, TheLastChanceHandlerRestoresEveryInstalledSlot)
{
    world_.PreviousFilter = CountingFilter;
    Use({0, 3, 18});
    EnableEngine();
    SetDummyCursors();
    EXPECT_EQ(std::vector<LPTOP_LEVEL_EXCEPTION_FILTER>{RestoreCursorsOnCrash}, world_.Filters);
    EXPECT_EQ(EXCEPTION_EXECUTE_HANDLER, RestoreCursorsOnCrash(nullptr));
    EXPECT_EQ(1, PreviousFilterCalls);
    ExpectOriginals();
    EXPECT_FALSE(AnyDummyInstalled());
}

TEST_F(CursorSubstitutionTest, FailuresLeaveTheSlotUninstalled)
{
    struct Case {
        const char* Name;
        bool CopyFails;
        bool SetFails;
        bool NoView;
        int ArrowPicture;  // what the system shows before
        bool Installed;
    };
    const Case cases[] = {
        {"SetSystemCursor fails", false, true, false, static_cast<int>(kArrow), false},
        {"CopyIcon fails", true, false, false, static_cast<int>(kArrow), false},
        {"no shared view", false, false, true, static_cast<int>(kArrow), true},
        {"pointer without pixels", false, false, false, Model::kNoPixels, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        cursors().CopyFails = c.CopyFails;
        cursors().SetFails = c.SetFails;
        cursors().Show(kArrow, c.ArrowPicture);
        SharedCursorView = c.NoView ? nullptr : reinterpret_cast<SharedCursorPair*>(world_.View);
        memset(world_.View, 0, sizeof(world_.View));
        Use({0});
        EnableEngine();
        EXPECT_EQ(c.Installed, SystemCursorSlots[0].Dummy != nullptr);
        EXPECT_EQ(c.Installed, SystemCursorSlots[0].SavedCopy != nullptr);
        EXPECT_EQ(c.Installed ? Model::kDummyPicture : c.ArrowPicture, cursors().Showing(kArrow));
        if (!c.Installed) {
            EXPECT_EQ(0, cursors().LiveCopies());
            EXPECT_EQ(0u, reinterpret_cast<SharedCursorPair*>(world_.View)[0].Dummy);
        }
        cursors().SetIds.clear();
        DisableEngine();
        EXPECT_EQ(c.Installed, !cursors().SetIds.empty()) << "restored only when installed";
        EXPECT_EQ(c.ArrowPicture, cursors().Showing(kArrow));
        EXPECT_EQ(0, cursors().Reloads);
        cursors().Show(kArrow, static_cast<int>(kArrow));
    }
}

}  // namespace
