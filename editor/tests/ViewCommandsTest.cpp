// The sounds page and the view's commands: theme properties, copy and
// paste, Apply, and Save and Apply.

#include "ChildProcess.h"
#include "DibCanvas.h"
#include "DocViewIds.h"
#include "EditorIds.h"
#include "EditorTexts.h"
#include "SoundFixtures.h"
#include "ThemeLocations.h"
#include "ThemeMessages.h"
#include "ViewTestSupport.h"

#include <thread>

namespace {

std::wstring TextOf(const HeapText& text)
{
    return text ? text.get() : L"(null)";
}

// Pixels of sound row 6 that differ from its background.
int RowInk(HWND page)
{
    DibCanvas canvas(160, 16);
    DRAWITEMSTRUCT item = {ODT_LISTBOX, kIdSoundList,    6, ODA_DRAWENTIRE, 0, nullptr,
                           canvas.Dc(), {0, 0, 159, 15}, 0};
    SendMessageW(page, WM_DRAWITEM, kIdSoundList, reinterpret_cast<LPARAM>(&item));
    int ink = 0;
    for (int at = 0; at < canvas.Width() * canvas.Height(); ++at)
        ink += canvas.Pixel(at % canvas.Width(), at / canvas.Width()) != canvas.Pixel(0, 0);
    return ink;
}

BOOL CALLBACK TakeVisibleDialog(HWND window, LPARAM result)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (wcscmp(name, L"#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

// The dialog a thread shows; other test programs running at the same time
// may show dialogs of the same title.
HWND DialogOfThread(DWORD thread)
{
    HWND found = nullptr;
    EnumThreadWindows(thread, TakeVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

TEST_F(EditorPaneTest, SoundsPlayFromMemoryOnlyAsWholeWavesAndStopBeforeTheirBufferGoes)
{
    CTheme& theme = *Document(0)->Theme;
    world_.Holds = [&theme](const void* data) {
        return theme.GetSound(6) && theme.GetSound(6)->Data.get() == data;
    };
    HWND page = view_->SoundsPage;
    auto browse = [&](const wchar_t* name) {
        Answer = folder_.File(name);
        Notify(page, kIdBrowseSoundButton);
    };
    // The sound's bytes, Remove and Play enabled.
    auto state = [&theme, page] {
        const CThemeSound* sound = theme.GetSound(6);
        return std::make_tuple(
            sound ? std::string(reinterpret_cast<char*>(sound->Data.get()), sound->Size) : "-",
            IsWindowEnabled(GetDlgItem(page, kIdRemoveButton)),
            IsWindowEnabled(GetDlgItem(page, kIdPlaySoundButton)));
    };
    // SND_ASYNC | SND_MEMORY.
    auto play = [&theme] { return Format(L"play %p 0x5", theme.GetSound(6)->Data.get()); };
    const std::string wave = MakeWave(64), junk("RIFF\x40\0\0\0WAVEfmt ", 16);
    for (const auto& [name, data] :
         {std::pair{L"click.wav", wave}, {L"junk.wav", junk}, {L"empty.wav", ""}})
        ASSERT_TRUE(WriteBytesToFile(folder_.File(name), data.data(), data.size()));
    ScopedFile huge(CreateFileW(folder_.File(L"huge.wav").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(SetFilePointer(huge.Get(), 100 << 20, nullptr, FILE_BEGIN) &&
                SetEndOfFile(huge.Get()));
    huge.Reset();

    SendMessageW(GetDlgItem(page, kIdSoundList), LB_SETCURSEL, 6, 0);
    const int plainInk = RowInk(page);
    EXPECT_EQ(std::make_tuple(std::string("-"), FALSE, FALSE), state());
    browse(L"click.wav");
    EXPECT_EQ((Texts{L"Sound files|*.WAV"}), Filters);
    EXPECT_EQ(std::make_tuple(wave, TRUE, TRUE), state()) << "at once";
    EXPECT_GT(RowInk(page), plainInk + 10) << "drawn bold";
    Notify(page, kIdSoundList, LBN_SELCHANGE);
    EXPECT_EQ((Texts{play()}), world_.Log);
    // Files that cannot be a sound say so and leave the event's sound.
    for (const wchar_t* name : {L"empty.wav", L"huge.wav", L"missing.wav"}) {
        browse(name);
        ASSERT_FALSE(boxes_.Boxes().empty());
        EXPECT_EQ(kTextSoundUnreadable + Answer, boxes_.Boxes().back().Text);
        EXPECT_EQ(wave, std::get<0>(state()));
    }
    // Replacing the playing sound stops it first; junk is kept, never played.
    browse(L"junk.wav");
    Notify(page, kIdSoundList, LBN_DBLCLK);
    Notify(page, kIdPlaySoundButton);
    EXPECT_EQ(std::make_tuple(junk, TRUE, TRUE), state());
    EXPECT_EQ((Texts{world_.Log[0], L"stop held"}), world_.Log);
    for (UINT ending : {UINT(kIdRemoveButton), kIdFileClose}) {
        browse(L"click.wav");
        Notify(page, kIdPlaySoundButton);
        ASSERT_EQ(play(), world_.Log.back());
        if (ending == kIdFileClose)
            Command(kIdFileClose);
        else
            Notify(page, kIdRemoveButton);
        EXPECT_EQ(L"stop held", world_.Log.back()) << ending;
        if (ending == kIdRemoveButton) {
            EXPECT_EQ(std::make_tuple(std::string("-"), FALSE, FALSE), state());
        }
    }
    EXPECT_EQ(nullptr, Document(0));
}

TEST_F(EditorPaneTest, ThemePropertiesStoresTheBoxesOnCancelAsOnOk)
{
    CTheme& theme = *Document(0)->Theme;
    ReplaceStringDup(&theme.Name, L"Frost");
    ReplaceStringDup(&theme.Author, L"Studio North");
    ReplaceStringDup(&theme.Website, L"example.org");
    // The dialog is modal: a second thread reads and edits it, then cancels.
    Texts shown;
    const DWORD thread = GetCurrentThreadId();
    std::thread answer([&shown, thread] {
        HWND dialog = nullptr;
        for (int wait = 0; wait < 500 && !dialog; ++wait, Sleep(10))
            dialog = DialogOfThread(thread);
        shown = BoxTexts(dialog, {1017, 1018, 1019, 1020, 1021, 1011});
        SetDlgItemTextW(dialog, 1017, L"Frost 2");
        SetDlgItemTextW(dialog, 1020, L"");
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    Command(kIdThemeProperties);
    answer.join();
    EXPECT_EQ((Texts{L"Frost", L"Studio North", L"", L"example.org", L"", L""}), shown);
    std::wstring path = folder_.File(L"Texts.Trivane");
    ASSERT_TRUE(Document(0)->DoSave(path.c_str(), TRUE));
    CTheme saved;
    ASSERT_EQ(1, saved.Load(path.c_str(), 0));
    EXPECT_EQ((Texts{L"Frost 2", L"Studio North", L"(null)", L"(null)"}),
              (Texts{TextOf(saved.Name), TextOf(saved.Author), TextOf(saved.Website),
                     TextOf(saved.Version)}));
}

TEST_F(EditorPaneTest, CopyAndPasteGiveTheSelectedItemAnIndependentCopyOnItsTabOnly)
{
    CEditorMFCDoc* document = Document(0);
    ASSERT_EQ(1, document->ImportTrailImage(0, WriteBmp(L"trail.bmp", 96, 48).c_str()));
    CThemeTrail* source = document->GetTrail(0);
    CThemeTrail* target = document->GetTrail(2);
    HWND pane = view_->TrailPane;
    view_->CurrentTab = kTrailsTab;
    view_->ShowTrailPane(0);
    SetDlgItemTextW(pane, kIdHotSpotXBox, L"4");
    Command(kIdEditCopy);
    view_->ShowTrailPane(2);
    SetDlgItemTextW(pane, kIdHotSpotXBox, L"9");
    Command(kIdEditPaste);
    EXPECT_EQ((Ints{4, 4, 96, 2}), (Ints{source->HotSpotX, target->HotSpotX,
                                         target->Animation->Bitmap->Width, view_->SelectedTrail}));
    EXPECT_NE(source->Animation->Bitmap, target->Animation->Bitmap);
    EXPECT_EQ((Texts{L"2", L"4"}), BoxTexts(pane, {kIdFramesBox, kIdHotSpotXBox}));
    EXPECT_TRUE(StopTimer(view_->TrailsPage)) << "the grid shows it a second later";

    // Nothing on the Sounds tab, before any copy, or without a selection.
    view_->CurrentTab = kSoundsTab;
    Command(kIdEditCopy);
    view_->CurrentTab = kTrailsTab;
    EXPECT_EQ(96, CEditorMFCDoc::ClipboardEntry().Animation->Bitmap->Width);
    CEditorMFCDoc::ClipboardEntry().Release();
    Command(kIdEditPaste);
    view_->SelectedTrail = -1;
    for (int button : {kIdImportButton, kIdRemoveButton, kIdCenterButton})
        Notify(pane, button);
    EXPECT_EQ((Ints{96, 4}), (Ints{target->Animation->Bitmap->Width, target->HotSpotX}));
    EXPECT_TRUE(Filters.empty());
}

TEST_F(EditorPaneTest, EditKeysInABoxWorkOnItsTextAndAGridClickGivesThemBackToTheItems)
{
    CEditorMFCDoc* document = Document(0);
    ASSERT_EQ(1, document->ImportEffectImage(3, WriteBmp(L"strip.bmp", 150, 30).c_str()));
    view_->CurrentTab = kEffectsTab;
    view_->ShowEffectPane(3);
    Command(kIdEditCopy);
    ASSERT_TRUE(CEditorMFCDoc::ClipboardEntry().Animation);

    view_->ShowEffectPane(4);
    HWND script = GetDlgItem(view_->EffectPane, kIdScriptBox);
    SetDlgItemTextW(view_->EffectPane, kIdScriptBox, L"2;1");
    SetFocus(script);
    ASSERT_EQ(script, GetFocus());
    SendMessageW(script, EM_SETSEL, 0, -1);
    Command(kIdEditCopy);
    SendMessageW(script, EM_SETSEL, 3, 3);
    Command(kIdEditPaste);
    EXPECT_EQ(L"2;12;1", BoxTexts(view_->EffectPane, {kIdScriptBox})[0]);
    EXPECT_EQ(L"NA", document->GetEffect(4)->Animation->Name) << "no item was pasted";
    EXPECT_EQ(30, CEditorMFCDoc::ClipboardEntry().Animation->FrameWidth) << "nor copied";

    // Clicking effect 5 in the grid takes the keys back: Paste gives it the item.
    view_->Grid(kEffectsTab).Object->OnLButtonUp(150, 140, 0);
    EXPECT_EQ(view_->GetSafeHwnd(), GetFocus());
    Command(kIdEditPaste);
    EXPECT_EQ((Ints{5, 30}),
              (Ints{view_->SelectedEffect, document->GetEffect(5)->Animation->FrameWidth}));
}

// Tab goes from box to box of a pane, as in any dialog.
TEST_F(EditorPaneTest, TabMovesBetweenThePanesBoxes)
{
    view_->CurrentTab = kEffectsTab;
    view_->ShowEffectPane(0);
    HWND frames = GetDlgItem(view_->EffectPane, kIdFramesBox);
    SetFocus(frames);
    MSG tab{frames, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(app_->PreTranslateMessage(&tab));
    EXPECT_NE(frames, GetFocus());
    EXPECT_EQ(view_->EffectPane, GetParent(GetFocus()));
}

TEST_F(EditorPaneTest, ApplyPostsToTheRunningEngineOrStartsItAndSaveAndApplyFollowsASave)
{
    std::wstring path = folder_.File(L"Night.Trivane");
    ASSERT_TRUE(Document(0)->DoSave(path.c_str(), TRUE));
    wchar_t current[MAX_PATH] = {};
    GetCurrentThemePath(current);
    const std::string before = FileBytes(path) + FileBytes(current);
    const std::wstring program = TestProgramFolder();
    const std::wstring library = folder_.File(L"TrivaneCpl.dll");
    ASSERT_TRUE(CopyFileW((program + L"\\unzip32.dll").c_str(), library.c_str(), FALSE));
    const std::wstring post =
        Format(L"post %p %u 0 0", MainWindow(), RegisterWindowMessageW(L"WM_TRV_REAPPLY"));

    const std::tuple<HWND, bool, std::wstring> rows[] = {
        {MainWindow(), true, post},
        {nullptr, false, Format(L"start %ls\\Trivane.exe 0 1 - - -", program.c_str())},
        {nullptr, true, Format(L"start %ls\\Trivane.exe 0 1 - - -", folder_.Path().c_str())}};
    for (const auto& [engine, loaded, call] : rows) {
        world_.Log.clear();
        world_.EngineWindow = engine;
        ScopedModule module(loaded ? LoadLibraryW(library.c_str()) : nullptr);
        Command(kIdApply);
        EXPECT_EQ(Texts{call}, world_.Log);
    }
    EXPECT_EQ(before, FileBytes(path) + FileBytes(current));

    // Save and Apply of a new document: only a save that succeeds applies.
    NewDocument();
    world_.Log.clear();
    world_.EngineWindow = MainWindow();
    for (const wchar_t* name : {L"Frost.pvlttheme", L"Frost.Trivane"}) {
        Answer = folder_.File(name);
        Command(kIdSaveAndApply);
        EXPECT_EQ(Texts(name[6] == L'T' ? 1 : 0, post), world_.Log) << name;
        EXPECT_EQ((Texts{kArchiveSaveRefusal}), (Texts{boxes_.Boxes().back().Text}));
    }
    EXPECT_NE("(missing)", FileBytes(folder_.File(L"Frost.Trivane")));
}
