#include "LibraryTestSupport.h"

#include "FactorySupport.h"
#include "LMBlankState.h"
#include "LibraryLists.h"
#include "MergePlan.h"
#include "PanelFactories.h"
#include "PanelImages.h"
#include "ScopedWin.h"
#include "ThemeContainerFormat.h"

namespace {

PanelList MakeList(LMObj* page, int width, int barWidth, int barHeight)
{
    PanelList list;
    list.Container = CreateBlankObject(page, 0, 0, width, 306);
    list.HoverBar = CreateBlankObject(list.Container, 0, 0, barWidth, barHeight);
    list.SelectionBar = CreateBlankObject(list.Container, 0, 0, barWidth, barHeight);
    list.HoverBar->Hide();
    list.SelectionBar->Hide();
    list.ScrollFrame = CreateBlankObject(page, 600, 0, 17, 361);
    list.Thumb = CreateBlankObject(list.ScrollFrame, 0, 16, 17, 30);
    return list;
}

// At (0, 0), with small blank states of those names, the first current.
LMObj* BlankObject(LMObj* parent, std::initializer_list<const wchar_t*> names)
{
    OwnedObject<LMObj> object(new LMObj(LMObjWindowless));
    for (const wchar_t* name : names) {
        object->AddState(new LMBlankState(name));
        static_cast<LMBlankState*>(object->FindState(name))->SetSize(10, 10);
    }
    object->ChangeState(*names.begin());
    return PlaceObject(std::move(object), parent, 0, 0, true);
}

void CreateKey(const std::wstring& subkey)
{
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    ScopedRegKey owned(key);
}

void BuildThemesPage(LMObj* page)
{
    Library.ThemeList = MakeList(page, 590, 564, 62);
    Library.CursorStrip = CreateBlankObject(page, 15, 135, 584, 64);
    ThemeRowButtons& b = Library.RowButtons;
    const std::pair<LMObj**, int> buttons[] = {{&b.Cursors, 498},    {&b.Edit, 528},
                                               {&b.Properties, 410}, {&b.Website, 450},
                                               {&b.Email, 470},      {&b.Delete, 430}};
    for (const auto& [button, x] : buttons)
        *button = CreateBlankObject(Library.ThemeList.SelectionBar, x, x > 490 ? 5 : 8, 16, 16);
}

}  // namespace

void LibraryTest::SetUp()
{
    PanelTreeTest::SetUp();
    for (LMObj*& page : Library.Pages)
        page = CreatePagePanel(Root(), 147, kPngPageList.Id);
    for (int i = 0; i < kSideTabCount; ++i)
        Library.SideTabs[i] = CreateSideTab(Root(), 62 + 40 * i);
    BuildThemesPage(Library.Pages[kThemesPage]);
    LMObj* trails = Library.Pages[kTrailsPage];
    Library.TrailList = MakeList(trails, 566, 566, 80);
    Library.TrailPreviewArea = CreateBlankObject(trails, 15, 135, 584, 64);
    Library.TrailSliders = {CreateBlankObject(trails, 100, 300, 200, 6)};
    Library.TrailSliders[0]->Hide();
    Library.EffectSlots = MakeList(Library.Pages[kEffectsPage], 300, 276, 80);
    Library.EffectLibrary = MakeList(Library.Pages[kEffectsPage], 273, 247, 80);
    Library.SoundSlots = MakeList(Library.Pages[kSoundsPage], 300, 276, 80);
    Library.SoundFiles = MakeList(Library.Pages[kSoundsPage], 273, 247, 30);
    Library.CursorGrid = CreateBlankObject(Library.Pages[kThemeCursorsPage], 0, 0, 590, 306);

    CopyTextBounded(PanelThemesFolder, MAX_PATH, themes_.Path().c_str());
    CopyTextBounded(PanelSoundsFolder, MAX_PATH, soundFiles_.Path().c_str());
    static LONG counter = 0;
    key_ = L"Software\\TrivaneTests\\library-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(InterlockedIncrement(&counter));
    PanelSettingsKey = key_;
    world_.Holds = [](const void*) {
        return PanelCurrentTheme && PartsOf(*PanelCurrentTheme)[kPartSounds];
    };
}

void LibraryTest::TearDown()
{
    ResetPanelState();
    RefreshThemeListsFrom(L"");
    RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str());
    PanelThemesFolder[0] = L'\0';
    PanelSoundsFolder[0] = L'\0';
    PanelTreeTest::TearDown();
}

void ComposeTest::SetUp()
{
    LibraryTest::SetUp();
    for (LMObj*& cell : ThemeViews.CursorCells)
        cell = BlankObject(Library.CursorStrip, {L"null"});
    for (int i = 0; i < kMouseEventCount; ++i) {
        ThemeViews.EffectPreviews[i] = BlankObject(Library.EffectSlots.Container, {L"null"});
        ThemeViews.SoundIcons[i] = BlankObject(Library.SoundSlots.Container, {L"blank", L"sound"});
        ThemeViews.SoundMarks[i] = BlankObject(Library.SoundSlots.Container, {L"null"});
    }
    ShadowPage.Preview = BlankObject(Library.Pages[kSettingsPage], {L"null"});
    runKey_ = key_ + L"\\Run";
    CreateKey(key_);
    CreateKey(runKey_);
    PanelRunKey = runKey_;
    PanelDialog = dialog_;
    world_.CurrentThemePath = currentFolder_.File(L"CurrentTheme.Trivane");
    RegisterPanelMessages();
}

void ComposeTest::TearDown()
{
    LibraryTest::TearDown();
}

int ComposeTest::AddRow(const std::wstring& name, CTheme& theme)
{
    AddTheme(name + L".Trivane", theme);
    BuildThemeList();
    return ThemeRow(name);
}

RegValue ReadValue(const std::wstring& subkey, const wchar_t* name)
{
    HKEY opened = nullptr;
    char bytes[1024];
    DWORD type = REG_NONE;
    DWORD size = sizeof(bytes);
    if (RegOpenKeyExW(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_QUERY_VALUE, &opened) != 0)
        return {REG_NONE, ""};
    ScopedRegKey key(opened);
    if (RegQueryValueExW(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(bytes), &size) != 0)
        return {REG_NONE, ""};
    return {type, std::string(bytes, size)};
}

void WriteValue(const std::wstring& subkey, const wchar_t* name, const RegValue& value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, subkey.c_str(), name, value.first, value.second.data(),
                    static_cast<DWORD>(value.second.size()));
}

std::string TextBytes(const std::wstring& text)
{
    return std::string(reinterpret_cast<const char*>(text.c_str()),
                       (text.size() + 1) * sizeof(wchar_t));
}

RegValue Dword(DWORD type, uint32_t value)
{
    return {type, std::string(reinterpret_cast<const char*>(&value), 4)};
}

int LibraryTest::ThemeRow(const std::wstring& name) const
{
    for (size_t i = 0; i < Library.Themes.size(); ++i) {
        if (name == Library.Themes[i].DisplayName)
            return static_cast<int>(i) + 1;
    }
    return -1;
}

std::unique_ptr<CTheme> NamedTheme(const wchar_t* name, const std::vector<TestCursor>& cursors)
{
    auto theme = MakeTestTheme(cursors);
    theme->Name = DuplicateText(name);
    return theme;
}

std::unique_ptr<CTheme> SpriteTheme(const wchar_t* name, const std::vector<int>& effects,
                                    const std::vector<int>& trails)
{
    auto theme = NamedTheme(name, {});
    for (int slot : effects)
        AddTestEffect(*theme, slot);
    for (int slot : trails)
        AddTestTrail(*theme, slot);
    return theme;
}

bool SaveWithoutPixels(const std::wstring& path, CTheme& theme, size_t imageOffset)
{
    std::string bytes;
    if (!SaveTestTheme(path, theme) || !ReadBytesFromFile(path, &bytes))
        return false;
    uint32_t records = 0;
    memcpy(&records, bytes.data() + offsetof(ThemeFileHeader, RecordsOffset), 4);
    const size_t at =
        sizeof(ThemeFileHeader) + records + imageOffset + offsetof(ImageFields, PixelsSize);
    if (at + 4 > bytes.size())
        return false;
    memset(&bytes[at], 0, 4);
    return WriteBytesToFile(path, bytes.data(), bytes.size());
}

bool SaveCutShort(const std::wstring& path, CTheme& theme)
{
    std::string bytes;
    return theme.Save(path.c_str(), 1) && ReadBytesFromFile(path, &bytes) &&
           WriteBytesToFile(path, bytes.data(), sizeof(ThemeFileHeader) + 8);
}

std::vector<uint32_t> TextPixels(const std::wstring& text, int size, int bold, COLORREF color)
{
    auto state = MakeTextState(L"Default", text.c_str(), size, bold, 0, color, kTextLeft, 0);
    return PixelsTopDown(*state->Bitmap);
}

std::vector<uint32_t> LabelPixels(const LMObj* label)
{
    if (!label || !label->CurrentState)
        return {};
    return PixelsTopDown(*static_cast<const LMBitmapState*>(label->CurrentState)->Bitmap);
}
