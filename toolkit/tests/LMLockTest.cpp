// The toolkit lock against a second thread that holds the named mutex.

#include "LMLock.h"
#include "ChildProcess.h"
#include "LMClock.h"
#include "LMObjTestSupport.h"
#include "LMToolkit.h"
#include "ScopedWin.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

std::wstring MutexName(const std::wstring& appName)
{
    return appName + L"Mutex";
}

// Holds the named mutex on its own thread until told to let go; with
// abandon it ends while still holding it.
class MutexHolder {
public:
    MutexHolder(const std::wstring& name, bool abandon)
        : held_(CreateEventW(nullptr, TRUE, FALSE, nullptr))
        , release_(CreateEventW(nullptr, TRUE, FALSE, nullptr))
        , thread_([this, name, abandon] { Hold(name, abandon); })
    {
        WaitForSingleObject(held_.Get(), 10000);
    }
    ~MutexHolder()
    {
        SetEvent(release_.Get());
        thread_.join();
    }

private:
    void Hold(const std::wstring& name, bool abandon)
    {
        ScopedKernelHandle mutex(OpenMutexW(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, name.c_str()));
        WaitForSingleObject(mutex.Get(), INFINITE);
        SetEvent(held_.Get());
        if (abandon)
            return;
        WaitForSingleObject(release_.Get(), INFINITE);
        ReleaseMutex(mutex.Get());
    }

    ScopedKernelHandle held_;
    ScopedKernelHandle release_;
    std::thread thread_;
};

template <typename Call> void ReportTimed(const char* key, Call call)
{
    DWORD start = LMClockNowMs();
    int result = call();
    ChildReport(key, result);
    ChildReport((std::string(key) + "Ms").c_str(), static_cast<long long>(LMClockNowMs() - start));
}

void ReportWhileHeld(RecordingObj& obj, const std::wstring& mutexName)
{
    MutexHolder holder(mutexName, false);
    ReportTimed("setPosition", [&] { return obj.SetPosition(50, 60, LMPosMove); });
    ChildReport("anchorX", obj.AnchorX);
    ReportTimed("enqueue", [&] { return obj.EnqueueState(L"Idle", 0); });
    ChildReport("queued", obj.QueueCount());
    ReportTimed("change", [&] { return obj.InternalChangeState(L"Idle", 0, 0); });
    ChildReport("current", obj.CurrentState->Name);
    ChildReport("inStateChange", obj.InStateChange);
    ChildReport("label", LockLabel);
}

TRIVANE_CHILD(LockContention)
{
    const std::wstring& appName = args.at(0);
    LMInitialize(GetModuleHandleW(nullptr), appName.c_str(), 2);
    RecordingObj obj;
    obj.AddState(MakeState(L"Walk", 3, 40));
    obj.AddState(MakeState(L"Idle"));
    obj.ChangeState(L"Walk");
    obj.EnqueueState(L"Idle", 0);
    obj.StateQueue.clear();
    ReportWhileHeld(obj, MutexName(appName));

    {
        MutexHolder abandoning(MutexName(appName), true);
    }
    ChildReport("afterAbandon", obj.SetPosition(50, 60, LMPosMove));
    ChildReport("anchorAfterAbandon", obj.AnchorX);
    ChildReport("labelAfterAbandon", LockLabel);
    int freeAgain = 0;
    std::thread probe([&] {
        ScopedKernelHandle mutex(
            OpenMutexW(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, MutexName(appName).c_str()));
        freeAgain = WaitForSingleObject(mutex.Get(), 0) == WAIT_OBJECT_0;
        if (freeAgain)
            ReleaseMutex(mutex.Get());
    });
    probe.join();
    ChildReport("freeAgain", freeAgain);
    return 0;
}

TRIVANE_CHILD(LockWithoutMutex)
{
    LMInitialize(GetModuleHandleW(nullptr), args.at(0).c_str(), 12);
    ChildReport("mutex", LMMutex ? 1 : 0);
    LMLock outer(0, kLMLockLabelOnTop);
    int otherHeld = 0;
    std::thread other([&] { otherHeld = LMLock(0, kLMLockLabelUpdate).Held() ? 1 : 0; });
    other.join();
    ChildReport("outer", outer.Held() ? 1 : 0);
    ChildReport("other", otherHeld);
    return 0;
}

std::wstring UniqueAppName(const wchar_t* stem)
{
    return stem + std::to_wstring(GetCurrentProcessId());
}

long long Number(const std::string& output, const char* key)
{
    std::string value = ChildValue(output, key);
    return value.empty() ? -1 : std::stoll(value);
}

}  // namespace

TEST(LMLock, TimedOutOperationsChangeNothingAndAnAbandonedLockCountsAsTaken)
{
    ChildResult child = RunChild("LockContention", { UniqueAppName(L"TrivaneLockTest") });
    const std::string& out = child.Output;
    ASSERT_EQ(0u, child.ExitCode) << out;
    EXPECT_EQ("0", ChildValue(out, "setPosition")) << out;
    EXPECT_GE(Number(out, "setPositionMs"), 200) << "waits about 250 ms";
    EXPECT_EQ("0", ChildValue(out, "anchorX"));
    EXPECT_EQ("1", ChildValue(out, "enqueue")) << "the request is dropped, not refused";
    EXPECT_GE(Number(out, "enqueueMs"), 80) << "waits about 100 ms";
    EXPECT_EQ("0", ChildValue(out, "queued"));
    EXPECT_EQ("0", ChildValue(out, "change"));
    EXPECT_GE(Number(out, "changeMs"), 900) << "waits about 1000 ms";
    EXPECT_EQ("Walk", ChildValue(out, "current"));
    EXPECT_EQ("0", ChildValue(out, "inStateChange"));
    EXPECT_EQ("EnqueueState", ChildValue(out, "label")) << "failed waits leave the label";

    EXPECT_EQ("1", ChildValue(out, "afterAbandon"));
    EXPECT_EQ("50", ChildValue(out, "anchorAfterAbandon"));
    EXPECT_EQ("SetPosition1", ChildValue(out, "labelAfterAbandon"));
    EXPECT_EQ("1", ChildValue(out, "freeAgain")) << "the abandoned lock is released after use";
}

TEST(LMLock, WithoutTheMutexEveryWaitSucceedsAtOnce)
{
    ChildResult child = RunChild("LockWithoutMutex", { UniqueAppName(L"TrivaneNoLock") });
    ASSERT_EQ(0u, child.ExitCode) << child.Output;
    EXPECT_EQ("0", ChildValue(child.Output, "mutex"));
    EXPECT_EQ("1", ChildValue(child.Output, "outer"));
    EXPECT_EQ("1", ChildValue(child.Output, "other"));
}

TEST(LMLock, TheHolderMayTakeItAgain)
{
    ASSERT_TRUE(LMMutex) << "the test program starts the toolkit with its lock";
    RecordingObj obj;
    obj.AddState(MakeState(L"Idle"));
    int nested = -1;
    // A static state reports its end while the switch holds the lock.
    obj.AfterDone = [&] { nested = obj.SetPosition(7, 8, LMPosMove); };
    obj.ChangeState(L"Idle");
    EXPECT_EQ(1, nested);
    EXPECT_EQ(7, obj.AnchorX);
    EXPECT_STREQ(L"SetPosition1", LockLabel);
}
