#include "ComposeTestSupport.h"

#include "FactorySupport.h"
#include "LMBlankState.h"
#include "LibraryLists.h"
#include "ScopedWin.h"

namespace {

// A windowless object at (0, 0) with small blank states of those names,
// the first one current.
LMObj* BlankObject(LMObj* parent, std::initializer_list<const wchar_t*> names)
{
    OwnedObject<LMObj> object(new LMObj(LMObjWindowless));
    for (const wchar_t* name : names) {
        auto* state = new LMBlankState(name);
        state->SetSize(10, 10);
        object->AddState(state);
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

}  // namespace

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
    LMObj* settings = Library.Pages[kSettingsPage];
    ShadowPage.Preview = BlankObject(settings, {L"null"});
    for (LMObj** part : {&ShadowPage.LightLink, &ShadowPage.OffsetLink, &ShadowPage.LightPart,
                         &ShadowPage.OffsetPart, &ShadowPage.OffsetText, &ShadowPage.LightText})
        *part = BlankObject(settings, {L"null"});
    CreateKey(key_);
    CreateKey(RunKey());
    PanelRunKey = RunKey();
    PanelDialog = dialog_;
    world_.CurrentThemePath = currentFolder_.File(L"CurrentTheme.Trivane");
    RegisterPanelMessages();
}

void ComposeTest::TearDown()
{
    ThemeViews = CurrentThemeViews{};
    ShadowPage = ShadowPageState{};
    ShadowValues = PanelShadowValues{};
    PanelDialog = nullptr;
    PanelCurrentThemePath[0] = L'\0';
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
    RegValue value;
    char bytes[1024];
    DWORD size = sizeof(bytes);
    if (RegGetValueW(HKEY_CURRENT_USER, subkey.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND,
                     &value.Type, bytes, &size) == ERROR_SUCCESS)
        value.Bytes.assign(bytes, size);
    else
        value.Type = REG_NONE;
    return value;
}

void WriteValue(const std::wstring& subkey, const wchar_t* name, DWORD type,
                const std::string& bytes)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, subkey.c_str(), name, type, bytes.data(),
                    static_cast<DWORD>(bytes.size()));
}

std::string TextBytes(const std::wstring& text)
{
    return std::string(reinterpret_cast<const char*>(text.c_str()),
                       (text.size() + 1) * sizeof(wchar_t));
}
