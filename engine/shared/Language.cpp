#include "Language.h"

#include "LMMessageBox.h"
#include "ProductCaption.h"
#include "RegistrySettings.h"
#include "ScopedWin.h"
#include "TextFile.h"

#include <shlwapi.h>

#include <algorithm>
#include <cwchar>
#include <vector>

UiTable UiStringTable;
UiTable UiFallbackTable;
std::array<LanguageListEntry, kLanguageListSize> LanguageList{};
int32_t LanguageCount = 0;

namespace {

constexpr wchar_t kSettingsKey[] = L"SOFTWARE\\Kelmora\\Trivane";

std::wstring ModuleFolder()
{
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::wstring();
        if (length < path.size())
            break;
        path.resize(path.size() * 2);
    }
    std::wstring folder(path.data());
    size_t slash = folder.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash);
}

// The "Language" setting, or the user's default language when it is 0.
int32_t ChosenLanguage(const LanguageSource& source)
{
    int32_t id = 0;
    ReadRegistryDword(&id, source.SettingsRoot, source.SettingsKey.c_str(), L"Language", 0);
    return id != 0 ? id : static_cast<int32_t>(GetUserDefaultLangID());
}

std::wstring UiFilePath(const std::wstring& programFolder, int32_t languageId)
{
    return programFolder + L"\\lang\\" + std::to_wstring(languageId) + L"\\ui.txt";
}

// The language's name in the display language of Windows; empty when unknown.
void LanguageName(int32_t languageId, wchar_t (&name)[kLanguageNameChars])
{
    std::fill(std::begin(name), std::end(name), L'\0');
    LCID locale = MAKELCID(static_cast<WORD>(languageId & 0xFFFF), SORT_DEFAULT);
    if (GetLocaleInfoW(locale, LOCALE_SLANGUAGE, name, kLanguageNameChars) == 0)
        name[0] = L'\0';
}

// A folder whose name reads as no language id above 0 ("abc", "0") is no
// language: listing it would offer a choice that means something else.
int32_t LanguageIdOfFolder(const std::wstring& langFolder, const wchar_t* name)
{
    if (std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0)
        return 0;
    if (!PathIsDirectoryW((langFolder + L"\\" + name).c_str()))
        return 0;
    long id = std::wcstol(name, nullptr, 10);
    return id > 0 ? static_cast<int32_t>(id) : 0;
}

void AddLanguage(HWND combo, int32_t languageId)
{
    LanguageListEntry& entry = LanguageList[LanguageCount];
    LanguageName(languageId, entry.Name);
    entry.LanguageId = languageId;
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.Name));
    ++LanguageCount;
}

// Every entry of the folder is examined; the list stops at its 64 entries.
void ListLanguageFolders(HWND combo, const std::wstring& programFolder)
{
    const std::wstring langFolder = programFolder + L"\\lang";
    WIN32_FIND_DATAW found{};
    ScopedFindSearch search(FindFirstFileW((langFolder + L"\\*").c_str(), &found));
    if (!search)
        return;
    do {
        int32_t id = LanguageIdOfFolder(langFolder, found.cFileName);
        if (id != 0)
            AddLanguage(combo, id);
    } while (LanguageCount < kLanguageListSize && FindNextFileW(search.Get(), &found));
}

int FindLanguageInCombo(HWND combo, int32_t languageId)
{
    wchar_t name[kLanguageNameChars];
    LanguageName(languageId, name);
    if (name[0] == L'\0')
        return CB_ERR;
    return static_cast<int>(SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(name)));
}

}  // namespace

LanguageSource ProgramLanguageSource()
{
    LanguageSource source;
    source.ProgramFolder = ModuleFolder();
    source.SettingsRoot = HKEY_CURRENT_USER;
    source.SettingsKey = kSettingsKey;
    return source;
}

int LoadLanguage(int32_t* ownFileFound)
{
    return LoadLanguageFrom(ProgramLanguageSource(), ownFileFound);
}

int LoadLanguageFrom(const LanguageSource& source, int32_t* ownFileFound)
{
    UiStringTable = UiTable{};
    UiFallbackTable = UiTable{};
    const std::wstring english = UiFilePath(source.ProgramFolder, kEnglishLanguageId);
    std::wstring path = UiFilePath(source.ProgramFolder, ChosenLanguage(source));
    const int32_t ownFile = PathFileExistsW(path.c_str()) ? 1 : 0;
    if (ownFileFound)
        *ownFileFound = ownFile;
    if (!ownFile) {
        path = english;
        if (!PathFileExistsW(path.c_str())) {
            LMMessageBox(nullptr, L"Could not find translation file", kProductCaption,
                         MB_ICONERROR);
            return 0;
        }
    }
    ParseUiFile(path.c_str(), UiStringTable);
    ParseUiFile(english.c_str(), UiFallbackTable);
    return 1;
}

const wchar_t* GetUiString(int32_t n)
{
    if (n < kUiTextFirst || n > kUiTextLast)
        return nullptr;
    if (UiStringTable[n])
        return UiStringTable[n]->c_str();
    if (UiFallbackTable[n])
        return UiFallbackTable[n]->c_str();
    return nullptr;
}

void ParseUiFile(const wchar_t* path, UiTable& table)
{
    HeapText text;
    ReadTextFile(path, &text);
    if (!text)
        return;
    ParseUiText(text.get(), table);
}

int FillLanguageCombo(HWND combo)
{
    return FillLanguageComboFrom(combo, ProgramLanguageSource());
}

int FillLanguageComboFrom(HWND combo, const LanguageSource& source)
{
    LanguageCount = 0;
    ListLanguageFolders(combo, source.ProgramFolder);
    int32_t chosen = ChosenLanguage(source);
    int index = FindLanguageInCombo(combo, chosen);
    if (index == CB_ERR)
        index = FindLanguageInCombo(combo, kEnglishLanguageId);
    return static_cast<int>(SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0));
}

int32_t LanguageIdByName(const wchar_t* name)
{
    if (!name)
        return 0;
    for (int32_t i = 0; i < LanguageCount; ++i) {
        if (lstrcmpW(LanguageList[i].Name, name) == 0)
            return LanguageList[i].LanguageId;
    }
    return 0;
}
