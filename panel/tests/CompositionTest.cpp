#include "ComposeTestSupport.h"

#include "HeapText.h"
#include "Language.h"
#include "MergePlan.h"
#include "SoundFixtures.h"
#include "ThemeContainerFormat.h"

namespace {

// The current theme's parts sit in slot 0, a picked theme's in slots 4, 4
// and 2; arrows are 24 and 32 px wide.
std::unique_ptr<CTheme> ThemeWith(const wchar_t* name, int width, ThemeParts parts, int slot)
{
    auto theme = NamedTheme(name, {TestCursor{0, 1, width, width}});
    if (parts[kPartSounds])
        AddTestSound(*theme, slot, MakeWave());
    if (parts[kPartEffects])
        AddTestEffect(*theme, slot);
    if (parts[kPartTrails])
        AddTestTrail(*theme, slot == 4 ? 2 : slot);
    return theme;
}

std::unique_ptr<CTheme> Current(ThemeParts parts)
{
    return ThemeWith(L"Current", 24, parts, 0);
}

std::unique_ptr<CTheme> Picked(const wchar_t* name, ThemeParts parts)
{
    return ThemeWith(name, 32, parts, 4);
}

// Which parts sit in the slots of the theme of that width.
ThemeParts PartsInSlots(int width)
{
    const CTheme& theme = *PanelCurrentTheme;
    const int slot = width == 24 ? 0 : 4;
    return {theme.GetSound(slot) != nullptr, theme.GetEffect(slot) != nullptr,
            theme.GetTrail(width == 24 ? 0 : 2) != nullptr};
}

std::wstring NameOfCurrent()
{
    wchar_t name[MAX_PATH];
    PanelCurrentTheme->GetDisplayName(name, MAX_PATH);
    return name;
}

int ArrowWidth()
{
    return PanelCurrentTheme->FindCursor(0, 1, 1)->Animation->FrameWidth;
}

std::vector<std::wstring> Texts(const MessageBoxRecorder& boxes)
{
    std::vector<std::wstring> texts;
    for (const RecordedMessageBox& box : boxes.Boxes())
        texts.push_back(box.Text);
    return texts;
}

std::vector<std::wstring> UiTexts(const std::vector<int>& numbers)
{
    std::vector<std::wstring> texts;
    for (int n : numbers)
        texts.push_back(GetUiString(n));
    return texts;
}

constexpr ThemeParts kAll{true, true, true};
constexpr ThemeParts kNone{false, false, false};

}  // namespace

TEST_F(ComposeTest, PickingAsksOnlyAboutPartsBothThemesHold)
{
    PanelCurrentTheme = Current({false, true, true});
    WriteValue(key_, L"CurrentTrail", REG_SZ, TextBytes(L"C:\\trail.Trivane"));
    const int lantern = AddRow(L"Lantern", *Picked(L"Lantern", {true, true, false}));
    MessageBoxRecorder boxes(IDYES);
    ASSERT_EQ(1, PickLibraryTheme(1, lantern));
    ASSERT_EQ(1u, boxes.Boxes().size());
    const RecordedMessageBox& box = boxes.Boxes()[0];
    EXPECT_EQ(std::make_tuple(dialog_, std::wstring(GetUiString(56)), std::wstring(L"Trivane"),
                              UINT(MB_YESNO | MB_ICONQUESTION)),
              std::make_tuple(box.Owner, box.Text, box.Caption, box.Type));
    EXPECT_EQ((ThemeParts{true, true, false}), PartsInSlots(32));
    EXPECT_EQ((ThemeParts{false, false, true}), PartsInSlots(24)) << "the trails stay";
    EXPECT_EQ(std::make_tuple(32, std::wstring(L"Lantern"), lantern),
              std::make_tuple(ArrowWidth(), NameOfCurrent(), Library.AppliedThemeRow));
    EXPECT_EQ(TextBytes(L"C:\\trail.Trivane"), ReadValue(key_, L"CurrentTrail").Bytes);

    const int comet = AddRow(L"Comet", *Picked(L"Comet", {false, false, true}));
    boxes.SetAnswer(IDNO);
    PickLibraryTheme(1, comet);
    EXPECT_EQ(UiTexts({56, 72}), Texts(boxes));
    EXPECT_TRUE(PartsInSlots(24)[kPartTrails]) << "No keeps the trails";
    boxes.SetAnswer(IDYES);
    PickLibraryTheme(1, comet);
    EXPECT_EQ(kAll, PartsInSlots(32)) << "Lantern's sound and effect, Comet's trail";
    EXPECT_EQ(nullptr, PanelCurrentTheme->GetTrail(0));
    EXPECT_EQ(0, Library.TrailList.Selected);
    const RegValue trail = ReadValue(key_, L"CurrentTrail");
    EXPECT_EQ(std::make_pair(DWORD(REG_SZ), std::string(2, '\0')),
              std::make_pair(trail.Type, trail.Bytes));

    auto nameless = Picked(L"", kNone);
    nameless->Name.reset();
    PickLibraryTheme(1, AddRow(L"Nameless", *nameless));
    EXPECT_EQ(L"Nameless", NameOfCurrent()) << "the file's name, not the last theme's";
}

TEST_F(ComposeTest, QuestionsAndPartsFollowHoldingsInteractiveAndMerge)
{
    const std::wstring path = themes_.File(L"Picked.Trivane");
    ASSERT_TRUE(SaveTestTheme(path, *Picked(L"Picked", kAll)));
    struct Row {
        const char* Name;
        bool Current;
        int Interactive;
        int Merge;
        std::vector<int> Questions;
        ThemeParts Taken;
        size_t Stops;  // of sounds the current theme still held
    };
    const Row rows[] = {
        {"all three asked", true, 1, 1, {83, 56, 72}, kAll, 1},
        {"not interactive", true, 0, 1, {}, kAll, 1},
        {"merge 0", true, 1, 0, {}, kNone, 0},
        {"no current theme", false, 1, 1, {}, kAll, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        PanelCurrentTheme = row.Current ? Current(kAll) : nullptr;
        world_.Requests.clear();
        MessageBoxRecorder boxes(IDYES);
        ASSERT_EQ(1, ComposeCurrentTheme(row.Interactive, path.c_str(), 0, row.Merge));
        EXPECT_EQ(UiTexts(row.Questions), Texts(boxes));
        EXPECT_EQ(row.Taken, PartsInSlots(32));
        EXPECT_EQ(std::make_pair(32, std::wstring(L"Picked")),
                  std::make_pair(ArrowWidth(), NameOfCurrent()));
        size_t stops = 0;
        for (const RecordingWorld::Request& request : world_.Requests)
            stops += !request.Sound && request.Flags == 0 && request.ThemeHeldSound;
        EXPECT_EQ(row.Stops, stops);
        EXPECT_FALSE(PathFileExistsW(CurrentFile().c_str())) << "save 0 writes nothing";
    }
}

TEST_F(ComposeTest, APickThatCannotBeComposedChangesNothing)
{
    MessageBoxRecorder boxes(IDYES);
    const int good = AddRow(L"Good", *Picked(L"Good", kAll));
    const int spoilt = AddRow(L"Spoilt", *Picked(L"Spoilt", kAll));
    ASSERT_EQ(1, PickLibraryTheme(1, good));
    std::string before;
    ASSERT_TRUE(ReadBytesFromFile(CurrentFile(), &before));
    uint32_t compressed = 1;
    memcpy(&compressed, before.data() + offsetof(ThemeFileHeader, CompressedSize), 4);
    EXPECT_EQ(0u, compressed);

    const std::wstring spoiltPath = Library.Themes[spoilt - 1].Path;
    std::string version1999 = before;
    const uint32_t version = 1999;
    memcpy(&version1999[offsetof(ThemeFileHeader, Version)], &version, 4);
    struct Row {
        const char* Name;
        std::string Bytes;  // written over the row's file
        int Row;
    };
    const Row rows[] = {
        {"cut after 100 bytes", before.substr(0, 100), spoilt},
        {"version 1999", version1999, spoilt},
        {"row past the list", before, static_cast<int>(Library.Themes.size()) + 1},
        {"row below -1", before, -2},
    };
    const CTheme* current = PanelCurrentTheme.get();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        ASSERT_TRUE(WriteBytesToFile(spoiltPath, row.Bytes.data(), row.Bytes.size()));
        EXPECT_EQ(0, PickLibraryTheme(1, row.Row));
        std::string after;
        ASSERT_TRUE(ReadBytesFromFile(CurrentFile(), &after));
        EXPECT_EQ(std::make_tuple(current, std::wstring(L"Good"), good, true),
                  std::make_tuple(PanelCurrentTheme.get(), NameOfCurrent(), Library.AppliedThemeRow,
                                  after == before));
    }
    ASSERT_TRUE(
        SaveWithoutPixels(spoiltPath, *Picked(L"Bare", kNone), offsetof(CursorRecord, Image)));
    EXPECT_EQ(0, PickLibraryTheme(1, spoilt)) << "no cursor with pixels";
    EXPECT_EQ(good, Library.AppliedThemeRow);

    world_.CurrentThemePath = currentFolder_.Path();  // a folder: cannot be written
    EXPECT_EQ(0, PickLibraryTheme(1, good));
    EXPECT_TRUE(PathIsDirectoryW(currentFolder_.Path().c_str()));
}

TEST_F(ComposeTest, RowZeroLeavesNoThemeAndRowMinusOneNothing)
{
    MessageBoxRecorder boxes(IDYES);
    ASSERT_EQ(1, PickLibraryTheme(1, AddRow(L"Full", *Picked(L"Full", kAll))));
    EXPECT_EQ(std::make_tuple(std::string("Default"), std::string("Default"), std::string("sound")),
              std::make_tuple(NameOf(ThemeViews.CursorCells[0]),
                              NameOf(ThemeViews.EffectPreviews[4]),
                              NameOf(ThemeViews.SoundIcons[4])));
    const CTheme* current = PanelCurrentTheme.get();
    EXPECT_EQ(0, PickLibraryTheme(1, -1));
    EXPECT_EQ(current, PanelCurrentTheme.get());

    const LMBitmapState* original = ShadowPage.Original.get();
    const LMState* modified = ShadowPage.Preview->FindState(L"mod");
    ASSERT_TRUE(original && modified);
    world_.Requests.clear();
    EXPECT_EQ(1, PickLibraryTheme(1, 0));
    EXPECT_EQ(std::make_tuple(static_cast<CTheme*>(nullptr), 0),
              std::make_tuple(PanelCurrentTheme.get(), Library.AppliedThemeRow));
    EXPECT_EQ(TextPixels(GetUiString(46), PanelSizes.RowSize, 0, RGB(214, 129, 26)),
              LabelPixels(ThemeViews.NameLabel));
    std::vector<LMObj*> emptied(ThemeViews.CursorCells.begin(), ThemeViews.CursorCells.end());
    emptied.insert(emptied.end(), ThemeViews.EffectPreviews.begin(),
                   ThemeViews.EffectPreviews.end());
    emptied.insert(emptied.end(), ThemeViews.SoundMarks.begin(), ThemeViews.SoundMarks.end());
    for (LMObj* object : emptied)
        EXPECT_EQ(std::make_pair(std::string("null"), static_cast<LMState*>(nullptr)),
                  std::make_pair(NameOf(object), object->FindState(L"Default")));
    for (LMObj* icon : ThemeViews.SoundIcons)
        EXPECT_EQ("blank", NameOf(icon));
    EXPECT_EQ(std::make_pair(original, modified),
              std::make_pair(static_cast<const LMBitmapState*>(ShadowPage.Original.get()),
                             static_cast<const LMState*>(ShadowPage.Preview->FindState(L"mod"))));
    ASSERT_EQ(1u, world_.Requests.size());
    EXPECT_TRUE(!world_.Requests[0].Sound && world_.Requests[0].ThemeHeldSound)
        << "the sound stops before the theme goes";
}
