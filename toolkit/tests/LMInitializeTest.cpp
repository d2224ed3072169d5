// Start-up runs once per process, so its flags are checked in child processes.

#include "ChildProcess.h"
#include "LMProcs.h"
#include "LMToolkit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void ReportToolkitState(int result)
{
    ChildReport("result", result);
    ChildReport("name", LMAppName);
    ChildReport("mutexName", LMAppDerivedName(L"Mutex"));
    ChildReport("topObjName", LMAppDerivedName(L"LMTopObj"));
    ChildReport("ctrlName", LMAppDerivedName(L"-Ctrl"));
    ScopedKernelHandle opened(OpenMutexW(SYNCHRONIZE, FALSE, LMAppDerivedName(L"Mutex").c_str()));
    ChildReport("mutexOpens", opened ? 1 : 0);
    ChildReport("mutexHeld", LMMutex ? 1 : 0);
    ChildReport("threadIdIsCaller", LMStartThreadId == GetCurrentThreadId() ? 1 : 0);
    ChildReport("threadId", LMStartThreadId);
    ChildReport("features", LMOsFeatures);
    ChildReport("alphaBlendBound", LMProcs::AlphaBlend ? 1 : 0);
    ChildReport("layeredBound", LMProcs::UpdateLayeredWindow ? 1 : 0);
    ChildReport("table", LMAlphaTable ? 1 : 0);
    if (LMAlphaTable) {
        ChildReport("t128_100", LMAlphaTable[128 * 256 + 100]);
        ChildReport("t255_255", LMAlphaTable[255 * 256 + 255]);
        ChildReport("t254_1", LMAlphaTable[254 * 256 + 1]);
    }
    ChildReport("scheduler", LMScheduler ? 1 : 0);
    ChildReport("root", LMRootObj ? 1 : 0);
    if (LMRootObj) {
        ChildReport("rootType", LMRootObj->TypeWord);
        ChildReport("rootShown", LMRootObj->Shown);
    }
    if (LMScheduler) {
        LMObj animated(1);
        LMScheduler->Add(&animated, 10);
        ChildReport("timerAfterAdd", LMScheduler->TimerId() ? 1 : 0);
        LMScheduler->Remove(&animated);
    }
}

TRIVANE_CHILD(InitWithFlags)
{
    int flags = std::stoi(args.at(1));
    int result = LMInitialize(GetModuleHandleW(nullptr), args.at(0).c_str(), flags);
    ReportToolkitState(result);
    return 0;
}

TRIVANE_CHILD(InitWithVersion)
{
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    version.dwPlatformId = std::stoul(args.at(0));
    version.dwMajorVersion = std::stoul(args.at(1));
    version.dwMinorVersion = std::stoul(args.at(2));
    int result = LMInitializeWithVersion(GetModuleHandleW(nullptr), L"TrivaneUnknownOs", 0, version);
    ReportToolkitState(result);
    return 0;
}

TRIVANE_CHILD(InitTwice)
{
    LMInitialize(GetModuleHandleW(nullptr), L"TrivaneFirst", 6);
    LMFrameTimer* scheduler = LMScheduler.get();
    LMObj* root = LMRootObj.get();
    ChildReport("second", LMInitialize(GetModuleHandleW(nullptr), L"TrivaneSecond", 6));
    ChildReport("sameScheduler", LMScheduler.get() == scheduler ? 1 : 0);
    ChildReport("sameRoot", LMRootObj.get() == root ? 1 : 0);
    ChildReport("name", LMAppName);
    return 0;
}

// Start-up repairs a supersampling factor outside 1..4, on every call.
TRIVANE_CHILD(SupersampleFactors)
{
    std::wstring factors = std::to_wstring(LMSupersampleFactor);
    for (int factor : {0, 7, 1, 2, 4, -3}) {
        LMSupersampleFactor = factor;
        LMInitialize(GetModuleHandleW(nullptr), L"TrivaneFactors", 6);
        factors += L" " + std::to_wstring(LMSupersampleFactor);
    }
    ChildReport("factors", factors);
    return 0;
}

std::string RunInit(const wchar_t* name, int flags)
{
    ChildResult child = RunChild("InitWithFlags", {name, std::to_wstring(flags)});
    EXPECT_EQ(0u, child.ExitCode) << child.Output;
    return child.Output;
}

}  // namespace

TEST(LMOsFeatureWord, FollowsThePlatformAndVersionTable)
{
    struct Row {
        DWORD platform, major, minor;
        int32_t word;
    } rows[] = {
        {2, 5, 1, 0x1011}, {2, 6, 1, 0x1011}, {2, 10, 0, 0x1011}, {2, 5, 0, 0x10011},
        {2, 5, 2, 0x10011}, {2, 4, 0, 0x100010}, {1, 4, 10, 0x100}, {2, 5, 3, 0},
        {2, 3, 51, 0}, {3, 6, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.platform << "." << row.major << "." << row.minor);
        EXPECT_EQ(row.word, LMOsFeatureWord(row.platform, row.major, row.minor, 0));
    }
    EXPECT_EQ(0x1011, LMOsFeatureWord(2, 5, 3, 0x1011)) << "an unknown version keeps the word";
}

TEST(LMInitialize, UnknownVersionReturnsZeroAndCreatesNothing)
{
    ChildResult child = RunChild("InitWithVersion", {L"2", L"5", L"3"});
    EXPECT_EQ("0", ChildValue(child.Output, "result")) << child.Output;
    EXPECT_EQ("0", ChildValue(child.Output, "mutexOpens"));
    EXPECT_EQ("0", ChildValue(child.Output, "scheduler"));
    EXPECT_EQ("0", ChildValue(child.Output, "root"));
}

TEST(LMInitialize, WineReportsAVersionWithVisualStyles)
{
    std::string out = RunInit(L"TrivaneInitPlain", 0);
    EXPECT_EQ("1", ChildValue(out, "result"));
    EXPECT_EQ(std::to_string(0x1011), ChildValue(out, "features"));
    EXPECT_EQ("1", ChildValue(out, "alphaBlendBound"));
    EXPECT_EQ("1", ChildValue(out, "layeredBound"));
    EXPECT_EQ("0", ChildValue(out, "table")) << "no table while AlphaBlend is bound";
    EXPECT_EQ(std::to_string(0x10000000), ChildValue(out, "rootType"));
    EXPECT_EQ("1", ChildValue(out, "rootShown"));
    EXPECT_EQ("1", ChildValue(out, "timerAfterAdd"));
}

TEST(LMInitialize, EmptyNameBecomesLumiraEverywhere)
{
    std::string out = RunInit(L"", 0);
    EXPECT_EQ("Lumira", ChildValue(out, "name"));
    EXPECT_EQ("LumiraMutex", ChildValue(out, "mutexName"));
    EXPECT_EQ("LumiraLMTopObj", ChildValue(out, "topObjName"));
    EXPECT_EQ("Lumira-Ctrl", ChildValue(out, "ctrlName"));
    EXPECT_EQ("1", ChildValue(out, "mutexOpens"));
    EXPECT_EQ("1", ChildValue(out, "threadIdIsCaller"));
}

TEST(LMInitialize, Flag4MakesNoMutexAndNoThreadId)
{
    std::string out = RunInit(L"TrivaneInitNoMutex", 4);
    EXPECT_EQ("1", ChildValue(out, "result"));
    EXPECT_EQ("0", ChildValue(out, "mutexOpens"));
    EXPECT_EQ("0", ChildValue(out, "mutexHeld"));
    EXPECT_EQ("0", ChildValue(out, "threadId"));
}

TEST(LMInitialize, Flag1LeavesProceduresNullAndBuildsTheTable)
{
    std::string out = RunInit(L"TrivaneInitNoLayered", 1);
    EXPECT_EQ("0", ChildValue(out, "alphaBlendBound"));
    EXPECT_EQ("0", ChildValue(out, "layeredBound"));
    EXPECT_EQ("1", ChildValue(out, "table"));
    EXPECT_EQ("50", ChildValue(out, "t128_100"));
    EXPECT_EQ("255", ChildValue(out, "t255_255"));
    EXPECT_EQ("0", ChildValue(out, "t254_1"));
}

TEST(LMInitialize, Flag8NeverCreatesATimer)
{
    std::string out = RunInit(L"TrivaneInitDriven", 14);
    EXPECT_EQ("1", ChildValue(out, "scheduler"));
    EXPECT_EQ("0", ChildValue(out, "timerAfterAdd"));
    EXPECT_EQ("0", ChildValue(out, "mutexOpens"));
}

TEST(LMInitialize, ARepeatedCallKeepsWhatTheFirstMadeAndTakesTheNewName)
{
    ChildResult child = RunChild("InitTwice");
    EXPECT_EQ("1", ChildValue(child.Output, "second")) << child.Output;
    EXPECT_EQ("1", ChildValue(child.Output, "sameScheduler"));
    EXPECT_EQ("1", ChildValue(child.Output, "sameRoot"));
    EXPECT_EQ("TrivaneSecond", ChildValue(child.Output, "name"));
}

TEST(LMInitialize, TheSupersamplingFactorStartsAt4AndOutsideOneToFourBecomes3)
{
    ChildResult child = RunChild("SupersampleFactors");
    // 4 at first; then what start-up makes of 0, 7, 1, 2, 4 and -3.
    EXPECT_EQ("4 3 3 1 2 4 3", ChildValue(child.Output, "factors")) << child.Output;
}
