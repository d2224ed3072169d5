// A theme file given to the engine: where it goes, the overwrite question,
// and the merge into the current theme file.

#include "ThemeImport.h"
#include "CTheme.h"
#include "ChildProcess.h"
#include "EngineTestSupport.h"
#include "MessageBoxRecorder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(ThemeImportPlanTest, TheTargetDependsOnWhereTheArgumentLies)
{
    const std::wstring current = L"C:\\Profile\\CurrentTheme.Trivane";
    const std::wstring themes = L"C:\\Shared\\Themes";
    const std::set<std::wstring> existing = {L"C:\\Shared\\Themes\\Taken.Trivane"};
    auto exists = [&](const std::wstring& path) { return existing.count(path) > 0; };
    struct Case {
        std::wstring Argument;
        ImportAction Action;
        std::wstring Target;
    };
    const Case cases[] = {
        {L"c:\\PROFILE\\currenttheme.trivane", ImportAction::UseCurrent, current},
        {L"C:\\SHARED\\themes\\Mine.Trivane", ImportAction::UseInThemes,
         L"C:\\Shared\\Themes\\Mine.Trivane"},
        {L"D:\\Downloads\\Taken.Trivane", ImportAction::AskOverwrite,
         L"C:\\Shared\\Themes\\Taken.Trivane"},
        {L"D:\\Downloads\\New.Trivane", ImportAction::Copy, L"C:\\Shared\\Themes\\New.Trivane"},
        {L"D:\\Downloads\\" + std::wstring(250, L'n') + L".Trivane", ImportAction::None, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "argument " << Narrow(c.Argument));
        ImportPlan plan = PlanThemeImport(c.Argument, current, themes, exists);
        EXPECT_EQ(static_cast<int>(c.Action), static_cast<int>(plan.Action));
        if (c.Action != ImportAction::None) {
            EXPECT_EQ(Narrow(c.Target), Narrow(plan.Target));
        }
    }
}

// Real files in a folder of the test's own: source, Themes and profile folders.
class ThemeImportTest : public testing::Test {
protected:
    void SetUp() override
    {
        themes_ = folder_.File(L"Themes");
        ASSERT_TRUE(CreateDirectoryW(themes_.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryW(folder_.File(L"Source").c_str(), nullptr));
        current_ = folder_.File(L"CurrentTheme.Trivane");
        argument_ = folder_.File(L"Source\\Blue.Trivane");
        target_ = themes_ + L"\\Blue.Trivane";
        ASSERT_TRUE(WriteBytesToFile(argument_, "new", 3));
    }

    std::string Bytes(const std::wstring& path)
    {
        std::string bytes;
        EXPECT_TRUE(ReadBytesFromFile(path, &bytes)) << Narrow(path);
        return bytes;
    }

    TempFolder folder_;
    std::wstring themes_;
    std::wstring current_;
    std::wstring argument_;
    std::wstring target_;
};

TEST_F(ThemeImportTest, AnExistingTargetIsReplacedOnlyAfterYes)
{
    struct Case {
        int Answer;
        std::string Kept;
    };
    for (const Case& c : {Case{IDYES, "new"}, Case{IDNO, "old"}}) {
        SCOPED_TRACE(testing::Message() << "answer " << c.Answer);
        ASSERT_TRUE(WriteBytesToFile(target_, "old", 3));
        MessageBoxRecorder boxes(c.Answer);
        std::wstring merged =
            ImportThemeArgument(argument_.c_str(), current_.c_str(), themes_.c_str());
        EXPECT_EQ(Narrow(target_), Narrow(merged));
        EXPECT_EQ(c.Kept, Bytes(target_));
        ASSERT_EQ(1u, boxes.Boxes().size());
        const RecordedMessageBox& box = boxes.Boxes()[0];
        EXPECT_EQ(nullptr, box.Owner);
        EXPECT_EQ(L"A theme file of this name already exists in " + themes_ +
                      L". Do you want to replace it?",
                  box.Text);
        EXPECT_EQ(L"Trivane", box.Caption);
        EXPECT_EQ(static_cast<UINT>(MB_YESNO), box.Type);
    }
}

TEST_F(ThemeImportTest, AMissingTargetIsCopiedWithoutAQuestion)
{
    MessageBoxRecorder boxes;
    std::wstring merged = ImportThemeArgument(argument_.c_str(), current_.c_str(), themes_.c_str());
    EXPECT_EQ(Narrow(target_), Narrow(merged));
    EXPECT_EQ("new", Bytes(target_));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ThemeImportTest, TheCurrentFileAndAThemesFileAreNotCopied)
{
    ASSERT_TRUE(WriteBytesToFile(current_, "current", 7));
    ASSERT_TRUE(WriteBytesToFile(target_, "inthemes", 8));
    MessageBoxRecorder boxes;
    std::wstring upperCurrent = current_;
    for (wchar_t& ch : upperCurrent)
        ch = towupper(ch);
    EXPECT_EQ(Narrow(current_),
              Narrow(ImportThemeArgument(upperCurrent.c_str(), current_.c_str(), themes_.c_str())));
    EXPECT_EQ(Narrow(target_),
              Narrow(ImportThemeArgument(target_.c_str(), current_.c_str(), themes_.c_str())));
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ("current", Bytes(current_));
    EXPECT_EQ("inthemes", Bytes(target_));
}

class ThemeMergeTest : public ThemeImportTest {
protected:
    // A current theme with one arrow, the name "Current", a trail and a sound.
    void WriteCurrent()
    {
        auto theme = MakeTestTheme({{0, 1}});
        theme->Name = DuplicateText(L"Current");
        AddTestTrail(*theme, 0);
        AddTestSound(*theme, 0, "RIFFcurrent");
        ASSERT_TRUE(SaveTestTheme(current_, *theme));
    }

    std::unique_ptr<CTheme> LoadCurrent()
    {
        auto theme = std::make_unique<CTheme>();
        EXPECT_EQ(1, theme->Load(current_.c_str(), 0));
        return theme;
    }
};

TEST_F(ThemeMergeTest, AnEffectsOnlyThemeGivesOnlyItsEffects)
{
    WriteCurrent();
    auto effects = MakeTestTheme({});
    effects->Name = DuplicateText(L"Sparks");
    AddTestEffect(*effects, 3);
    ASSERT_TRUE(SaveTestTheme(target_, *effects));

    EXPECT_EQ(1, MergeThemeInto(current_.c_str(), target_.c_str()));
    auto merged = LoadCurrent();
    EXPECT_NE(nullptr, merged->GetEffect(3));
    EXPECT_EQ(1, merged->CursorCount());
    EXPECT_NE(nullptr, merged->FindCursor(0, 1, 1));
    EXPECT_STREQ(L"Current", merged->Name.get());
    EXPECT_NE(nullptr, merged->GetTrail(0));
    ASSERT_NE(nullptr, merged->GetSound(0));
    EXPECT_EQ(11, merged->GetSound(0)->Size);
}

TEST_F(ThemeMergeTest, CursorsBringTheirNameAndSoundsNeverMove)
{
    WriteCurrent();
    auto cursors = MakeTestTheme({{5, 1}, {5, 2}});
    cursors->Name = DuplicateText(L"Ocean");
    AddTestSound(*cursors, 2, "RIFFtarget");
    ASSERT_TRUE(SaveTestTheme(target_, *cursors));

    EXPECT_EQ(1, MergeThemeInto(current_.c_str(), target_.c_str()));
    auto merged = LoadCurrent();
    EXPECT_EQ(2, merged->CursorCount());
    EXPECT_NE(nullptr, merged->FindCursor(5, 2, 1));
    EXPECT_EQ(nullptr, merged->FindCursor(0, 1, 1));
    EXPECT_STREQ(L"Ocean", merged->Name.get());
    EXPECT_NE(nullptr, merged->GetSound(0));
    EXPECT_EQ(nullptr, merged->GetSound(2));
    EXPECT_NE(nullptr, merged->GetTrail(0));
}

TEST_F(ThemeMergeTest, TheMergedFileIsWrittenUncompressed)
{
    WriteCurrent();
    ASSERT_TRUE(SaveTestTheme(target_, {{1, 1}}));
    EXPECT_EQ(1, MergeThemeInto(current_.c_str(), target_.c_str()));
    std::string bytes = Bytes(current_);
    ASSERT_GE(bytes.size(), 184u);
    auto u32 = [&](size_t offset) {
        uint32_t value = 0;
        memcpy(&value, bytes.data() + offset, 4);
        return value;
    };
    EXPECT_EQ(2002u, u32(12));
    EXPECT_EQ(0u, u32(120)) << "CompressedSize";
}

TEST_F(ThemeMergeTest, NothingIsSavedUnlessBothThemesLoad)
{
    WriteCurrent();
    std::string before = Bytes(current_);
    ASSERT_TRUE(WriteBytesToFile(target_, "not a theme at all", 18));
    EXPECT_EQ(0, MergeThemeInto(current_.c_str(), target_.c_str()));
    EXPECT_EQ(before, Bytes(current_)) << "a target that does not load";

    ASSERT_TRUE(SaveTestTheme(target_, {{1, 1}}));
    ASSERT_TRUE(WriteBytesToFile(current_, "damaged", 7));
    EXPECT_EQ(0, MergeThemeInto(current_.c_str(), target_.c_str()));
    EXPECT_EQ("damaged", Bytes(current_)) << "a current file that does not load";
}

TEST_F(ThemeMergeTest, WithoutCurrentFileTheTargetBecomesIt)
{
    ASSERT_TRUE(SaveTestTheme(target_, {{1, 1}}));
    EXPECT_EQ(1, MergeThemeInto(current_.c_str(), target_.c_str()));
    auto merged = LoadCurrent();
    EXPECT_NE(nullptr, merged->FindCursor(1, 1, 1));
}

// The engine merges before it starts the toolkit.
TRIVANE_CHILD(MergeWithoutToolkit)
{
    TempFolder folder;
    std::wstring current = folder.File(L"CurrentTheme.Trivane");
    std::wstring target = folder.File(L"Target.Trivane");
    if (!SaveTestTheme(target, {{2, 1}}))
        return 2;
    if (MergeThemeInto(current.c_str(), target.c_str()) != 1)
        return 3;
    CTheme merged;
    if (!merged.Load(current.c_str(), 0) || !merged.FindCursor(2, 1, 1))
        return 4;
    return 0;
}

TEST(ThemeMergeChildTest, MergingNeedsNoToolkit)
{
    EXPECT_EQ(0u, RunChild("MergeWithoutToolkit").ExitCode);
}

}  // namespace
