// The panel's event routing on the real dialog: the controls' overrides
// driven directly on a clock of the test's own, and mouse messages sent to
// the dialog with the cursor where they say.

#include "MainDialogTestSupport.h"

#include "CQVSliderObj.h"
#include "Composition.h"
#include "LMClock.h"
#include "LMInputSource.h"
#include "LMToolkit.h"
#include "LibraryRows.h"
#include "LibraryViews.h"
#include "ListSelection.h"
#include "MainWindow.h"
#include "MessageBoxRecorder.h"
#include "MessagePump.h"
#include "PanelResources.h"
#include "PanelShell.h"
#include "RunProgram.h"
#include "ScrollRules.h"
#include "SoundFixtures.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

#include <thread>

namespace {

DWORD g_now = 100000;
POINT g_cursor{};

// Every fade and sprite runs to its end.
void PlayAnimations()
{
    for (int i = 0; i < 100; ++i)
        LMScheduler->Tick(g_now += 21);
}

std::wstring NameOfCurrentTheme()
{
    wchar_t name[MAX_PATH] = {};
    if (PanelCurrentTheme)
        PanelCurrentTheme->GetDisplayName(name, MAX_PATH);
    return name;
}

// The engine's window, in a thread of its own: it notes the trail messages
// it gets or, hung, answers nothing until it goes.
std::vector<std::pair<WPARAM, LPARAM>> g_trails;

LRESULT CALLBACK EngineProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == PanelMessages.Trail)
        g_trails.emplace_back(wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

struct EngineStandIn {
    explicit EngineStandIn(bool hung)
        : thread([this, hung] {
              window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       nullptr, nullptr);
              SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EngineProcedure));
              SetEvent(ready);
              while (!hung && MsgWaitForMultipleObjects(1, &stop, FALSE, 5000, QS_ALLINPUT) ==
                                  WAIT_OBJECT_0 + 1) {
                  for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
                      DispatchMessageW(&message);
              }
              WaitForSingleObject(stop, 5000);
              DestroyWindow(window);
          })
    {
        WaitForSingleObject(ready, 5000);
    }
    ~EngineStandIn()
    {
        SetEvent(stop);
        thread.join();
        CloseHandle(stop);
        CloseHandle(ready);
    }
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HWND window = nullptr;
    std::thread thread;
};

}  // namespace

class RoutingTest : public MainDialogTest {
protected:
    void SetUp() override
    {
        MainDialogTest::SetUp();
        LMSetClockSource([] { return g_now; });
        LMSetCursorPosSource([] { return g_cursor; });
    }
    void TearDown() override
    {
        MainDialogTest::TearDown();
        LMSetCursorPosSource(nullptr);
        LMSetClockSource(nullptr);
    }

    // "Maple Leaf.Trivane" with a website and an e-mail address, the
    // current theme too; the dialog built over it.
    std::wstring OpenOverMaple()
    {
        auto maple = NamedTheme(L"Maple Leaf");
        maple->Website = DuplicateText(L"https://example.org/a");
        maple->Email = DuplicateText(L"maple@example.org");
        const std::wstring path = themes_.File(L"Maple Leaf.Trivane");
        EXPECT_TRUE(SaveTestTheme(path, *maple) && SaveTestTheme(CurrentFile(), *maple));
        EXPECT_NE(nullptr, OpenDialog());
        return path;
    }
    CQVObj* Control(int id) const { return FindControl(PanelShell.Root.get(), id); }
    // A release on the control, `since` ms after the last row click.
    void Release(LMObj* control, DWORD since = 10000)
    {
        ASSERT_NE(nullptr, control);
        Library.LastRowClick = g_now - since;
        control->OnLButtonUp(0, 0, 0);
    }
    void Release(int id, DWORD since = 10000) { Release(Control(id), since); }
    // What the mouse sends the dialog at (x, y) of the object (its middle
    // unless given), the cursor put there first.
    void Mouse(UINT message, LMObj* object, int x = -1, int y = -1)
    {
        ASSERT_NE(nullptr, object);
        int left = 0, top = 0;
        object->GetScreenOffset(&left, &top);
        left += x < 0 ? object->VisibleWidth / 2 : x;
        top += y < 0 ? object->VisibleHeight / 2 : y;
        g_cursor = POINT{left, top};
        ClientToScreen(dialog_, &g_cursor);
        SendMessageW(dialog_, message, 0, MAKELPARAM(left, top));
    }
    void Click(LMObj* object)
    {
        for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})
            Mouse(message, object);
    }
    // The title and theme name of the dialog the action opens, owned by the
    // panel, once cancelled; "" when none opens.
    std::wstring DialogOf(const std::function<void()>& action)
    {
        std::wstring seen;
        RunDriven(
            dialog_, [&] { return action(), INT_PTR{0}; },
            [&](HWND opened) {
                seen = TextOf(opened) + L"|" + TextOf(GetDlgItem(opened, IDC_PROPERTIES_NAME));
                PostMessageW(opened, WM_COMMAND, IDCANCEL, 0);
            });
        return seen;
    }
    std::wstring LastLaunch() const
    {
        return world_.Launches.empty() ? L"" : world_.Launches.back().File;
    }
};

TEST_F(RoutingTest, ThemeButtonsActOnTheirRowOnly750MsAfterTheRowClick)
{
    const std::wstring path = OpenOverMaple();
    MessageBoxRecorder boxes(IDNO);
    HoverThemeRow(1);
    auto lastBox = [&] { return boxes.Boxes().empty() ? L"" : boxes.Boxes().back().Text; };
    const std::tuple<int, std::function<std::wstring()>, std::wstring> rows[] = {
        {8, [&] { return LastLaunch(); }, L"https://example.org/a"},
        {7, [&] { return LastLaunch(); }, L"mailto:maple@example.org"},
        {6, [&] { return PanelShell.BackLink->Shown ? L"cursors" : L""; }, L"cursors"},
        {50, lastBox, L"Do you really want to delete the theme file Maple Leaf.Trivane?"},
        {44, [] { return L""; }, L"Theme properties|Maple Leaf"},
    };
    for (const auto& [id, happened, expected] : rows) {
        SCOPED_TRACE(id);
        world_.Launches.clear();
        EXPECT_EQ(L"", DialogOf([&, id = id] { Release(id, 749); }) + happened());
        const std::wstring dialog = DialogOf([&, id = id] { Release(id, 750); });
        EXPECT_EQ(expected, dialog + happened());
    }
    EXPECT_TRUE(Library.Pages[kThemeCursorsPage]->Shown);

    // The strip's buttons act on the applied row; the editor and the help
    // start from the panel's folder.
    const std::wstring folder = ModuleFolder(nullptr);
    const std::wstring editor = folder + L"\\Trivane Theme Editor.exe";
    HoverThemeRow(-1);
    for (const auto& [id, file, parameters] : {std::tuple{26, editor, std::wstring()},
                                               {45, editor, L"\"" + path + L"\""},
                                               {96, folder + L"\\Trivane.CHM", std::wstring()}}) {
        SCOPED_TRACE(id);
        world_.Launches.clear();
        Release(id, 0);
        EXPECT_EQ(file, LastLaunch());
        ASSERT_EQ(1u, world_.Launches.size());
        EXPECT_EQ(parameters, world_.Launches[0].Parameters.value_or(L""));
    }
    world_.Launches.clear();
    Library.AppliedThemeRow = -1;
    Release(45);
    EXPECT_TRUE(world_.Launches.empty()) << "neither a hovered nor an applied row";

    // Delete asks "Trivane"; No kept the file, Yes deletes it, and a file
    // already gone is only asked about.
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(L"Trivane", boxes.Boxes()[0].Caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), boxes.Boxes()[0].Type);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.c_str()));
    boxes.SetAnswer(IDYES);
    HoverThemeRow(1);
    // A read-only file stays and says why; then it goes, and a file already
    // gone is only asked about.
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    Release(50, 750);
    ASSERT_EQ(3u, boxes.Boxes().size());
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONERROR), boxes.Boxes()[2].Type);
    EXPECT_NE(L"", boxes.Boxes()[2].Text);
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    // Its preview cache goes with it, or a theme put back under its name
    // would show the old picture.
    const std::wstring cache =
        themes_.File(L"Preview\\" + std::wstring(PathFindFileNameW(path.c_str())));
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(cache.c_str()));
    for (size_t boxesShown : {4u, 5u}) {
        Release(50, 750);
        EXPECT_EQ(boxesShown, boxes.Boxes().size());
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.c_str()));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(cache.c_str()));
    }
}

TEST_F(RoutingTest, AQuickSecondClickOnTheSelectedRowAppliesIt)
{
    OpenOverMaple();
    PickLibraryTheme(1, 0);
    HoverThemeRow(1);
    Release(41);
    EXPECT_EQ(1, Library.ThemeList.Selected);
    EXPECT_EQ(g_now, Library.LastRowClick);
    // Two presses 100 ms apart: the toolkit makes the second a double
    // click, and its release still reaches the bar.
    for (DWORD after : {600, 100}) {
        g_now += after;
        Click(Library.ThemeList.SelectionBar);
        EXPECT_EQ(after == 100 ? L"Maple Leaf" : L"", NameOfCurrentTheme());
    }
    EXPECT_EQ(1, Library.AppliedThemeRow);
    EXPECT_EQ(EngineProgramBeside(nullptr), LastLaunch());
}

TEST_F(RoutingTest, AnArrowMovesItsThumbOnceAndRepeatsOnlyWhileHeld)
{
    ASSERT_NE(nullptr, OpenDialog());
    // The builders' steps for empty lists are half the thumb's travel.
    PanelList &themes = Library.ThemeList, &trails = Library.TrailList;
    PanelList &effects = Library.EffectLibrary, &files = Library.SoundFiles;
    const struct {
        int Arrow;
        PanelList* List;
        int Press, Repeat;
        UINT_PTR Timer;
    } rows[] = {
        {38, &themes, -103, -1, 202},
        {39, &themes, 103, 1, 201},
        {84, &trails, -103, -103, 204},
        {85, &trails, 103, 103, 203},
        {70, &effects, -141, -141, 206},
        {71, &effects, 141, 141, 205},
        {74, &Library.EffectSlots, -30, -30, 208},
        {75, &Library.EffectSlots, 30, 30, 207},
        {113, &files, -141, -141, 216},
        {114, &files, 141, 141, 215},
        {117, &Library.SoundSlots, -30, -30, 218},
        {118, &Library.SoundSlots, 30, 30, 217},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Arrow);
        LMObj* thumb = row.List->Thumb;
        // An empty list fits its clip and does not scroll: this one
        // overflows.
        LMObj* list = row.List->Container;
        list->CurrentState->SetSize(list->VisibleWidth, 4000);
        list->MoveTo(0, 0);
        const int start =
            row.Press > 0 ? 16 : row.List->ScrollFrame->VisibleHeight - thumb->VisibleHeight - 18;
        const size_t calls = world_.TimerCalls().size();
        thumb->MoveTo(0, start);
        Control(row.Arrow)->OnLButtonDown(1, 1);
        const int pressed = thumb->VisibleY;
        thumb->MoveTo(0, start);
        for (DWORD held : {290u, 301u}) {
            g_now = PanelShell.ScrollRepeatStart + held;
            SendMessageW(dialog_, WM_TIMER, row.Timer, 0);
        }
        EXPECT_EQ((std::vector<int>{row.Press, row.Repeat}),
                  (std::vector<int>{pressed - start, thumb->VisibleY - start}));
        Control(row.Arrow)->OnLButtonUp(1, 1, 0);
        std::vector<ShellWorld::TimerCall> made = world_.TimerCalls();
        made.erase(made.begin(), made.begin() + static_cast<ptrdiff_t>(calls));
        ASSERT_EQ(2u, made.size());
        EXPECT_EQ((std::vector<UINT_PTR>{1, row.Timer, 20, 0, row.Timer}),
                  (std::vector<UINT_PTR>{made[0].Set, made[0].Id, made[0].ElapseMs, made[1].Set,
                                         made[1].Id}));
    }
    // A list no taller than its clip keeps its thumb at the top.
    LMObj* list = trails.Container;
    list->CurrentState->SetSize(list->VisibleWidth, 10);
    list->MoveTo(0, 0);
    Control(85)->OnLButtonDown(1, 1);
    Control(85)->OnLButtonUp(1, 1, 0);
    Control(82)->OnMouseWheel(-120);
    EXPECT_EQ(16, trails.Thumb->VisibleY);
    EXPECT_EQ(0, list->VisibleY);
}

// A rebuild with fewer rows keeps the list where its thumb says, never
// scrolled past its end.
TEST_F(RoutingTest, AListShortenedByARebuildStaysWhereItsThumbSays)
{
    std::vector<std::wstring> files;
    for (int i = 0; i < 12; ++i) {
        const std::wstring name = L"Fir" + std::to_wstring(i);
        files.push_back(themes_.File(name + L".Trivane"));
        ASSERT_TRUE(SaveTestTheme(files.back(), *NamedTheme(name.c_str())));
    }
    ASSERT_NE(nullptr, OpenDialog());
    LMObj* list = Library.ThemeList.Container;
    LMObj* thumb = Library.ThemeList.Thumb;
    thumb->OnDrag(0, 0, thumb->VisibleX, 5000);
    const int clip = list->Parent->VisibleHeight;
    EXPECT_EQ(clip - 13 * 62, list->VisibleY);
    // The thumb stays at the bottom: the list shows its last rows.
    const struct {
        size_t Kept;
        int ListY;
    } rows[] = {{8, clip - 9 * 62}, {2, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Kept);
        while (files.size() > row.Kept) {
            ASSERT_TRUE(DeleteFileW(files.back().c_str()));
            files.pop_back();
        }
        RebuildLibraryLists();
        EXPECT_EQ(row.ListY, list->VisibleY);
    }
}

// Another theme's cursors show from the top, and so does the grid's thumb.
TEST_F(RoutingTest, CursorsShownAgainStartAtTheTopThumbIncluded)
{
    ASSERT_NE(nullptr, OpenDialog());
    std::vector<TestCursor> cursors;
    for (int role = 0; role < 12; ++role)
        cursors.push_back(TestCursor{role, 1, 128, 128});
    const std::wstring path = themes_.File(L"Tall.Trivane");
    ASSERT_TRUE(SaveTestTheme(path, *NamedTheme(L"Tall", cursors)));
    ShowThemeCursors(path.c_str());
    LMObj* grid = Library.CursorGrid;
    LMObj* thumb = PanelShell.CursorGridThumb;
    const LMObj* frame = PanelShell.CursorGridFrame;
    thumb->OnDrag(0, 0, thumb->VisibleX, 5000);
    ASSERT_LT(grid->VisibleY, 0) << "the grid is taller than its clip";
    ShowThemeCursors(path.c_str());
    EXPECT_EQ((std::vector<int>{0, frame->VisibleY + 15}),
              (std::vector<int>{grid->VisibleY, thumb->VisibleY}));
}

TEST_F(RoutingTest, HoverFollowsThePointerAndLeavingHidesOnlyOtherListsBars)
{
    ASSERT_NE(nullptr, OpenDialog());
    Control(4)->OnMouseMove(5, 130);
    Control(66)->OnMouseMove(5, 719);
    Control(103)->OnMouseMove(5, 250);
    EXPECT_EQ((std::vector<int>{2, 8, 3}),
              (std::vector<int>{Library.ThemeList.Hovered, Library.EffectSlots.Hovered,
                                Library.SoundSlots.Hovered}));
    Control(109)->OnMouseMove(5, 5);
    EXPECT_EQ(Library.SoundSlots.Selected, Library.SoundSlots.Hovered);
    // The bar stays lit while the pointer stays with its list, whatever it
    // left; a jump anywhere else puts it out.
    LMObj* bar = Library.ThemeList.HoverBar;
    const struct {
        int Left, Next;
        bool Lit;
    } leaves[] = {{4, 41, true}, {41, 4, true},  {4, 51, true},  {4, 42, true},
                  {4, 5, true},  {4, 93, false}, {41, 0, false}, {51, 66, false}};
    for (const auto& leave : leaves) {
        SCOPED_TRACE(testing::Message() << leave.Left << " to " << leave.Next);
        Control(4)->OnMouseMove(5, 130);
        ASSERT_TRUE(bar->Shown);
        Control(leave.Left)->OnMouseLeave(leave.Next ? Control(leave.Next) : nullptr);
        EXPECT_EQ(leave.Lit, bar->Shown != 0);
    }
    // In the strip the bar stands for the current theme, hidden when that
    // is the selected row too.
    for (int selected : {0, -1}) {
        SCOPED_TRACE(selected);
        SelectThemeRow(selected);
        HoverThemeRow(2);
        Control(51)->OnMouseEnter();
        EXPECT_EQ((std::vector<int>{-1, 2, 2, selected == 0}),
                  (std::vector<int>{Library.ThemeList.Hovered, bar->VisibleX, bar->VisibleY,
                                    bar->Shown}));
        EXPECT_EQ(Library.CursorStrip, bar->Parent);
    }
}

TEST_F(RoutingTest, LooksFollowThePointerAndPagesTheirFades)
{
    ASSERT_NE(nullptr, OpenDialog());
    CQVObj* sounds = Control(102);
    CQVObj* themes = Control(2);
    CQVObj* arrow = Control(39);
    std::vector<std::string> looks;
    auto note = [&](CQVObj* control) { PlayAnimations(), looks.push_back(NameOf(control)); };
    for (CQVObj* tab : {sounds, themes}) {
        tab->OnMouseEnter(), note(tab);
        tab->OnMouseLeave(nullptr), note(tab);
    }
    arrow->OnLButtonDown(1, 1), note(arrow);
    arrow->OnLButtonUp(1, 1, 0), note(arrow);
    arrow->OnMouseLeave(nullptr), note(arrow);
    Click(sounds);
    note(sounds), note(themes);
    EXPECT_EQ((std::vector<std::string>{"Over", "Away", "Selected", "Selected", "Down", "Over",
                                        "Default", "Selected", "Away"}),
              looks);
    EXPECT_EQ((std::vector<int>{0, 1}), (std::vector<int>{Library.Pages[kThemesPage]->Shown,
                                                          Library.Pages[kSoundsPage]->Shown}));
    // The language list shows once the About page has faded in, and goes
    // as soon as it starts to fade out.
    HWND combo = PanelShell.LanguageCombo;
    auto comboShown = [&] {
        return std::vector<bool>{(GetWindowLongW(combo, GWL_STYLE) & WS_VISIBLE) != 0,
                                 IsWindowEnabled(combo) != FALSE};
    };
    Release(25);
    EXPECT_EQ((std::vector<bool>{false, false}), comboShown());
    PlayAnimations();
    EXPECT_EQ((std::vector<bool>{true, true}), comboShown());
    SetFocus(combo);
    Release(60);
    EXPECT_EQ((std::vector<bool>{false, false}), comboShown());
    EXPECT_EQ(dialog_, GetFocus());
    EXPECT_EQ(kFocusNone, Library.ListFocus) << "the effects page starts without focus";
}

TEST_F(RoutingTest, DefaultsAndTheNoShadowToggleAreStoredAtOnce)
{
    const wchar_t* const names[] = {L"ShadowX", L"ShadowY", L"ShadowDark", L"ShadowSharpness",
                                    L"DisableShadow"};
    const int32_t stored[] = {-40, 60, 17, 3, 1};
    for (size_t i = 0; i < 5; ++i)
        WriteValue(key_, names[i], Dword(REG_DWORD, static_cast<uint32_t>(stored[i])));
    ASSERT_NE(nullptr, OpenDialog());
    LMObj* toggle = PanelShell.ShadowToggle;
    ASSERT_EQ("Enabled", NameOf(toggle));
    Release(43);
    const int sliders[] = {32, 33, 19, 18};
    const int defaults[] = {5, 5, 128, 9, 0};
    for (size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(Dword(REG_DWORD, static_cast<uint32_t>(defaults[i])), ReadValue(key_, names[i]));
        if (i == 4)
            break;
        const CQVSliderObj* slider = FindSlider(PanelShell.Root.get(), sliders[i]);
        ASSERT_NE(nullptr, slider);
        EXPECT_EQ(SliderKnobPosition(slider->Track(), defaults[i]), slider->VisibleX);
    }
    EXPECT_EQ("Default", NameOf(toggle));
    // The picture and its caption switch the picture alike.
    for (const auto& [clicked, look, value] : {std::tuple{toggle, "Enabled", 1u},
                                               {PanelShell.ShadowToggleCaption, "Default", 0u},
                                               {PanelShell.ShadowToggleCaption, "Enabled", 1u}}) {
        Release(clicked);
        EXPECT_EQ(look, NameOf(toggle));
        EXPECT_EQ(Dword(REG_DWORD, value), ReadValue(key_, L"DisableShadow"));
    }
}

TEST_F(RoutingTest, SettingsApplyKeepsACurrentThemeThatHasNoRow)
{
    auto driftwood = NamedTheme(L"Driftwood");
    AddTestEffect(*driftwood, 0);
    auto maple = NamedTheme(L"Maple Leaf");
    AddTestEffect(*maple, 1);
    ASSERT_TRUE(SaveTestTheme(CurrentFile(), *driftwood));
    ASSERT_TRUE(SaveTestTheme(themes_.File(L"Maple Leaf.Trivane"), *maple));
    MessageBoxRecorder boxes(IDYES);
    ASSERT_NE(nullptr, OpenDialog());
    ASSERT_EQ((std::vector<int>{-1, 0}),
              (std::vector<int>{Library.AppliedThemeRow, Library.ThemeList.Selected}));
    Release(95);
    EXPECT_EQ(L"Driftwood", NameOfCurrentTheme());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(CurrentFile().c_str()));
    EXPECT_EQ(EngineProgramBeside(nullptr), LastLaunch()) << "applied";
    SelectThemeRow(1);
    Release(95);
    EXPECT_EQ(L"Maple Leaf", NameOfCurrentTheme());
    EXPECT_EQ((std::vector<bool>{true, false}),
              (std::vector<bool>{PanelCurrentTheme->GetEffect(0) != nullptr,
                                 PanelCurrentTheme->GetEffect(1) != nullptr}))
        << "cursors and name only";
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(RoutingTest, SoundsPlayOnlyFromRowsThatAreThere)
{
    const std::string wave = MakeWave();
    ASSERT_TRUE(WriteBytesToFile(sounds_.File(L"Click.wav"), wave.data(), wave.size()));
    auto current = NamedTheme(L"Cedar");
    AddTestSound(*current, 3, wave);
    ASSERT_TRUE(SaveTestTheme(CurrentFile(), *current));
    ASSERT_NE(nullptr, OpenDialog());
    HoverSoundFileRow(1);
    SelectSoundFileRow();
    world_.Requests.clear();
    Release(110, 499);
    EXPECT_EQ(kFocusLibrary, Library.ListFocus);
    Release(110, 500);
    Library.SoundFiles.Selected = 2;  // a row a rebuild took away
    Release(110, 500);
    HoverSoundSlot(3);
    Release(109);
    ASSERT_EQ(2u, world_.Requests.size());
    EXPECT_EQ(sounds_.File(L"Click.wav"), world_.Requests[0].File);
    EXPECT_EQ(PanelCurrentTheme->GetSound(3)->Data.get(), world_.Requests[1].Sound);
    EXPECT_EQ(kFocusSlots, Library.ListFocus);
}

TEST_F(RoutingTest, TheTrailAreaTellsTheEngineWithoutWaitingOnAHungOne)
{
    ASSERT_NE(nullptr, OpenDialog());
    CQVObj* area = Control(89);
    using Trails = std::vector<std::pair<WPARAM, LPARAM>>;
    for (bool hung : {false, true}) {
        g_trails.clear();
        EngineStandIn engine(hung);
        world_.EngineWindow = engine.window;
        const DWORD start = GetTickCount();
        area->OnMouseEnter();
        area->OnMouseLeave(nullptr);
        EXPECT_LT(GetTickCount() - start, 1000u) << "200 ms at most per message";
        EXPECT_EQ((hung ? Trails{} : Trails{{1, 0}, {0, 0}}), g_trails);
    }
    // Closed with the pointer on the preview, the panel gives the engine
    // its trail back.
    g_trails.clear();
    {
        EngineStandIn engine(false);
        world_.EngineWindow = engine.window;
        area->OnMouseEnter();
        DestroyWindow(dialog_);
        dialog_ = nullptr;
    }
    EXPECT_EQ((Trails{{1, 0}, {0, 0}}), g_trails);
    world_.EngineWindow = nullptr;
}

// Mouse messages as the dialog gets them: an arrow, the wheel, the cursor
// strip's properties button, the hot-key button, and the trail preview.
TEST_F(RoutingTest, MouseInputReachesArrowsDialogsAndTheTrailPreview)
{
    ASSERT_TRUE(SaveTestTheme(themes_.File(L"Dots.Trivane"), *SpriteTheme(L"Dots", {}, {0})));
    OpenOverMaple();
    world_.RealPosts = true;
    // Two rows fit the list's clip: its thumb stays where the list is.
    LMObj* thumb = Library.ThemeList.Thumb;
    Click(Control(39));
    EXPECT_EQ(16, thumb->VisibleY);
    // Held, then the mouse taken away as when another program comes forward.
    Mouse(WM_LBUTTONDOWN, Control(38));
    SendMessageW(dialog_, WM_CANCELMODE, 0, 0);
    const ShellWorld::TimerCall last = world_.TimerCalls().back();
    EXPECT_EQ((std::vector<UINT_PTR>{0, 202}), (std::vector<UINT_PTR>{last.Set, last.Id}));
    for (int notch = 0; notch < 2; ++notch)  // the second one past the top
        SendMessageW(dialog_, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(16, thumb->VisibleY);
    LMObj* grid = PanelShell.CursorGridThumb;
    const LMObj* frame = PanelShell.CursorGridFrame;
    grid->OnDrag(0, 0, 99, 5000);
    EXPECT_EQ((std::vector<int>{frame->VisibleX, frame->VisibleY + 15}),
              (std::vector<int>{grid->VisibleX, grid->VisibleY}))
        << "on the page beside its frame, at the top of a grid that fits";

    Mouse(WM_MOUSEMOVE, Library.CursorStrip, 500, 30);
    Click(Library.ThemeList.HoverBar);
    ASSERT_EQ(-1, Library.ThemeList.Selected);
    g_now += 750;
    EXPECT_EQ(L"Theme properties|Maple Leaf",
              DialogOf([&] { Click(Library.RowButtons.Properties); }));
    Release(29);
    Release(58);
    PlayAnimations();
    EXPECT_EQ(UiText(68) + std::wstring(L"|"), DialogOf([&] { Click(Control(92)); }));

    Release(79);
    PlayAnimations();
    SelectTrailRow(2);
    ASSERT_NE(nullptr, Library.LoadedTrailTheme);
    const LMBitmap* dots = PreviewTrail(*Library.LoadedTrailTheme)->Animation->Bitmap;
    LMObj* area = Library.TrailPreviewArea;
    for (int x : {10, 30, 50}) {
        g_now += 60;
        Mouse(WM_MOUSEMOVE, area, x, 20);
    }
    ASSERT_EQ(3, area->ChildCount());
    for (const LMObj* sprite : area->Children)
        EXPECT_EQ(dots, static_cast<const LMBitmapState*>(sprite->CurrentState)->Bitmap);
    PlayAnimations();
    EXPECT_TRUE(PumpMessagesUntil([&] { return area->ChildCount() == 0; }, 1000));
}
