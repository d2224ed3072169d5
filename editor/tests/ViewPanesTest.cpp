// The property panes: what they show and store, the edit debounce, import,
// remove and centre, and the cursors page's scroll bar.

#include "EditorIds.h"
#include "EditorTexts.h"
#include "LMFrameScript.h"
#include "MessagePump.h"
#include "ViewTestSupport.h"

namespace {

const Ints kNumberBoxes = {kIdFramesBox, kIdHotSpotXBox, kIdHotSpotYBox, kIdIntervalBox};
const Ints kBoxes = {kIdFramesBox, kIdHotSpotXBox, kIdHotSpotYBox, kIdIntervalBox, kIdScriptBox};

int RemoveEnabled(HWND pane)
{
    return IsWindowEnabled(GetDlgItem(pane, kIdRemoveButton));
}

}  // namespace

TEST_F(EditorPaneTest, PanesShowTheirItemAndStoreEachBoxAsTheyWriteIt)
{
    CEditorMFCDoc* document = Document(0);
    view_->ShowCursorPane(1, 0);
    ASSERT_EQ(1, document->ImportEffectImage(4, WriteBmp(L"strip.bmp", 120, 24).c_str()));
    ASSERT_EQ(1, document->ImportCursorImage(5, 1, WriteBmp(L"cursor.bmp", 32, 32).c_str()));
    CThemeEffect* effect = document->GetEffect(4);
    effect->HotSpotX = document->FindCursor(5, 1)->HotSpotX = -3;
    effect->Reverse = 1;
    ReplaceStringDup(&effect->Script, L"repeat 2;1-3,40;end repeat");
    ParseFrameScript(effect->Script.get(), &effect->Animation->ScriptSteps);
    view_->ShowCursorPane(5, 1);
    view_->ShowEffectPane(4);
    view_->ShowTrailPane(1);
    EXPECT_EQ((Texts{L"Pressed - Text select properties", L"Middle up properties",
                     L"All mouse down properties"}),
              (Texts{PaneTitleOf(*view_, kCursorsTab), PaneTitleOf(*view_, kEffectsTab),
                     PaneTitleOf(*view_, kTrailsTab)}));
    EXPECT_EQ(L"-3", BoxTexts(view_->CursorPane, {kIdHotSpotXBox})[0]);
    HWND pane = view_->EffectPane;
    EXPECT_EQ((Texts{L"5", L"4294967293", L"0", L"200"}), BoxTexts(pane, kNumberBoxes));

    // Each row changes one box, or checks Alternate ("1") or clears it; the
    // entry as the commit leaves it: frames, hot spot, interval, frame flags,
    // parsed steps, the script's start. 64 KB of script come in lines, as
    // Wine's edit control wraps one long line very slowly.
    std::wstring large = L"1-2,40";
    while (large.size() < 32768)
        large += L"\r\n" + large;
    const std::tuple<int, std::wstring, std::wstring> rows[] = {
        {kIdHotSpotXBox, L"4294967293", L"5 -3,0 200 0x18 3 repeat 2;1-3,40;end repeat"},
        {kIdHotSpotXBox, std::wstring(5000, L'9'), L"5 -1,0 200 0x18 3 repeat 2;1-3,40;end repeat"},
        {kIdHotSpotYBox, L"-2147483649", L"5 -1,2147483647 200 0x18 3 repeat 2;1-3,40;end repeat"},
        {kIdFramesBox, L"abc", L"1 -1,2147483647 200 0x18 3 repeat 2;1-3,40;end repeat"},
        {kIdFramesBox, L"500", L"120 -1,2147483647 200 0x18 3 repeat 2;1-3,40;end repeat"},
        {kIdFramesBox, L"-4", L"1 -1,2147483647 200 0x18 3 repeat 2;1-3,40;end repeat"},
        {kIdIntervalBox, L"99999999999",
         L"1 -1,2147483647 1215752191 0x18 3 repeat 2;1-3,40;end repeat"},
        {kIdIntervalBox, L"-75", L"1 -1,2147483647 0 0x18 3 repeat 2;1-3,40;end repeat"},
        {kIdFramesBox, L"5", L"5 -1,2147483647 0 0x18 3 repeat 2;1-3,40;end repeat"},
        {kIdAlternateCheck, L"1", L"5 -1,2147483647 0 0x1a 3 repeat 2;1-3,40;end repeat"},
        {kIdAlternateCheck, L"", L"5 -1,2147483647 0 0x18 3 repeat 2;1-3,40;end repeat"},
        {kIdScriptBox, L"REPEAT 2;1-3,40;END REPEAT",
         L"5 -1,2147483647 0 0x18 3 repeat 2;1-3,40;end repeat"},
        {kIdScriptBox, L"2;1", L"5 -1,2147483647 0 0x18 2 2;1"},
        {kIdScriptBox, L"", L"5 -1,2147483647 0 0x18 0 -"},
        {kIdScriptBox, large, L"5 -1,2147483647 0 0x18 8192 1-2,40\r\n1-2,40\r\n1-2,40\r\n1-2,40"},
    };
    for (const auto& [box, text, stored] : rows) {
        SCOPED_TRACE(testing::PrintToString(text.substr(0, 20)));
        if (box == kIdAlternateCheck)
            CheckDlgButton(pane, box, text.empty() ? BST_UNCHECKED : BST_CHECKED);
        else
            SetDlgItemTextW(pane, box, text.c_str());
        view_->CommitEffectPane(4);
        wchar_t now[128];
        swprintf(now, 128, L"%d %d,%d %d %#x %d %.30ls", effect->Frames, effect->HotSpotX,
                 effect->HotSpotY, effect->Interval, effect->Animation->FrameFlags,
                 effect->Animation->ScriptStepCount(),
                 effect->Script ? effect->Script.get() : L"-");
        EXPECT_EQ(stored, now);
    }

    for (const auto& [box, text] :
         {std::pair{kIdHotSpotXBox, L"5"}, {kIdHotSpotYBox, L"9"}, {kIdIntervalBox, L"75"}})
        SetDlgItemTextW(pane, box, text);
    std::wstring path = folder_.File(L"Boxes.Trivane");
    ASSERT_TRUE(document->DoSave(path.c_str(), TRUE));
    CTheme saved;
    ASSERT_EQ(1, saved.Load(path.c_str(), 0));
    ASSERT_NE(nullptr, saved.GetEffect(4));
    const CThemeEffect& reloaded = *saved.GetEffect(4);
    EXPECT_EQ((Ints{5, 9, 75}), (Ints{reloaded.HotSpotX, reloaded.HotSpotY, reloaded.Interval}));
}

TEST_F(EditorPaneTest, EditsAreStoredASecondAfterTheLastChangeOrWhenAnotherItemIsChosen)
{
    CEditorMFCDoc* document = Document(0);
    ASSERT_EQ(1, document->ImportEffectImage(3, WriteBmp(L"pair.bmp", 64, 32).c_str()));
    CThemeEffect* effect = document->GetEffect(3);
    view_->ShowEffectPane(3);
    for (int tab = kCursorsTab; tab <= kTrailsTab; ++tab)
        EXPECT_FALSE(StopTimer(view_->Page(tab))) << "filling a pane arms nothing: " << tab;

    SetDlgItemTextW(view_->EffectPane, kIdIntervalBox, L"75");
    PumpMessagesFor(300);
    EXPECT_EQ(kDefaultEntryInterval, effect->Interval);
    EXPECT_TRUE(PumpMessagesUntil([&] { return effect->Interval == 75; }, 2500));
    EXPECT_FALSE(StopTimer(view_->EffectsPage));
    const auto* shown =
        dynamic_cast<LMVisualState*>(view_->Item(kItemEffectThumbnails + 3)->CurrentState);
    EXPECT_EQ(75, shown ? shown->FrameInterval : 0) << "the grid was rebuilt";

    SetDlgItemTextW(view_->EffectPane, kIdHotSpotXBox, L"6");
    view_->ShowEffectPane(5);
    EXPECT_EQ(6, effect->HotSpotX);
    // Trails per second arms nothing and waits for the next commit.
    EXPECT_EQ(L"20", BoxTexts(view_->TrailPane, {kIdTrailsPerSecondBox})[0]);
    SetDlgItemTextW(view_->TrailPane, kIdTrailsPerSecondBox, L"35");
    EXPECT_FALSE(StopTimer(view_->TrailsPage));
    view_->ShowTrailPane(1);
    EXPECT_EQ(35, document->GetTrail(0)->TrailsPerSecond);
}

TEST_F(EditorPaneTest, ImportRemoveAndCentreActOnTheSelectedItem)
{
    CEditorMFCDoc* document = Document(0);
    CThemeEffect* effect = document->GetEffect(3);
    HWND pane = view_->EffectPane;
    view_->ShowEffectPane(3);
    SetDlgItemTextW(pane, kIdHotSpotXBox, L"7");
    StopTimer(view_->EffectsPage);
    Notify(pane, kIdImportButton);
    EXPECT_EQ((Texts{L"PNG graphics|*.PNG"}), Filters);
    EXPECT_EQ((Ints{0, 0}), (Ints{effect->HotSpotX, StopTimer(view_->EffectsPage)}));

    Answer = WriteBmp(L"strip.bmp", 150, 30);
    Notify(pane, kIdImportButton);
    EXPECT_EQ((Ints{7, 30, 1, 1}), (Ints{effect->HotSpotX, effect->Animation->FrameWidth,
                                         RemoveEnabled(pane), StopTimer(view_->EffectsPage)}));
    EXPECT_EQ(L"5", BoxTexts(pane, {kIdFramesBox})[0]);
    // A file that does not decode costs the item nothing, and one box says
    // so (the decoder's own is held back).
    Answer = folder_.File(L"broken.png");
    ASSERT_TRUE(WriteBytesToFile(Answer, "\x89PNG\r\n\x1a\n broken", 16));
    const size_t boxes = boxes_.Boxes().size();
    Notify(pane, kIdImportButton);
    ASSERT_EQ(boxes + 1, boxes_.Boxes().size());
    EXPECT_EQ(kTextImageUnreadable + Answer, boxes_.Boxes().back().Text);
    EXPECT_EQ((Ints{30, 5}), (Ints{effect->Animation->FrameWidth, effect->Frames}));

    for (const auto& [size, hotSpot] :
         {std::pair{SIZE{120, 24}, Texts{L"12", L"12"}}, {SIZE{60, 25}, Texts{L"15", L"12"}}}) {
        Answer = WriteBmp(std::to_wstring(size.cx) + L".bmp", size.cx, size.cy);
        document->ClearEffect(3);
        Notify(pane, kIdImportButton);
        Notify(pane, kIdCenterButton);
        EXPECT_EQ(hotSpot, BoxTexts(pane, {kIdHotSpotXBox, kIdHotSpotYBox})) << size.cx;
    }
    Notify(pane, kIdRemoveButton);
    EXPECT_EQ((Texts{L"NA", L"2", L"15", L"12"}),
              (Texts{effect->Animation->Name, BoxTexts(pane, kBoxes)[0], BoxTexts(pane, kBoxes)[1],
                     BoxTexts(pane, kBoxes)[2]}));
    EXPECT_EQ((Ints{0, 1}), (Ints{RemoveEnabled(pane), StopTimer(view_->EffectsPage)}));
    view_->ShowEffectPane(4);
    view_->ShowEffectPane(3);
    EXPECT_EQ((Texts{L"0", L"0", L"0", L"50", L""}), BoxTexts(pane, kBoxes)) << "an empty item";
}

TEST_F(EditorPaneTest, WhatOneWindowStoresSurvivesASaveThroughTheOther)
{
    CEditorMFCDoc* document = Document(0);
    view_->ShowEffectPane(3);
    Command(kIdWindowNew);
    ASSERT_EQ(2u, document->Views().size());
    auto* second = dynamic_cast<CEditorMFCView*>(document->Views()[1]);
    ASSERT_TRUE(second && second == document->View);
    second->ShowEffectPane(3);

    // The first window stores an interval, then an image of 5 frames; a save
    // commits the second window's pane, which shows the same effect.
    SetDlgItemTextW(view_->EffectPane, kIdIntervalBox, L"75");
    SendMessageW(view_->EffectsPage, WM_TIMER, kPageTimerId, 0);
    Answer = WriteBmp(L"strip.bmp", 150, 30);
    Notify(view_->EffectPane, kIdImportButton);
    EXPECT_EQ((Texts{L"5", L"75"}), BoxTexts(second->EffectPane, {kIdFramesBox, kIdIntervalBox}));
    std::wstring path = folder_.File(L"Two windows.Trivane");
    ASSERT_TRUE(document->DoSave(path.c_str(), TRUE));
    CTheme saved;
    ASSERT_EQ(1, saved.Load(path.c_str(), 0));
    ASSERT_NE(nullptr, saved.GetEffect(3));
    EXPECT_EQ((Ints{5, 75}), (Ints{saved.GetEffect(3)->Frames, saved.GetEffect(3)->Interval}));
}

TEST_F(EditorPaneTest, TheCursorsPageScrollsItsGridOnePixelAStep)
{
    HWND bar = GetDlgItem(view_->CursorsPage, kIdPageScrollBar);
    int maximum = 0, minimum = 0;
    GetScrollRange(bar, SB_CTL, &minimum, &maximum);
    ASSERT_GT(maximum, 2) << "20 cursors are taller than the scene";
    const std::pair<int, int> steps[] = {{SB_LINEUP, 0}, {SB_LINEDOWN, 1},     {SB_PAGEDOWN, 2},
                                         {SB_PAGEUP, 1}, {SB_BOTTOM, maximum}, {SB_TOP, 0}};
    for (const auto& [code, position] : steps) {
        SendMessageW(view_->CursorsPage, WM_VSCROLL, code, reinterpret_cast<LPARAM>(bar));
        EXPECT_EQ((Ints{position, 0, -position}),
                  (Ints{GetScrollPos(bar, SB_CTL), view_->CursorGrid->VisibleX,
                        view_->CursorGrid->VisibleY}))
            << code;
    }
}
