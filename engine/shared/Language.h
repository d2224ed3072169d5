#pragma once
// The interface texts: numbered texts 1 to 149 from lang\<id>\ui.txt beside
// the program, in the chosen language with English (1033) filling each gap,
// and the list of installed languages for the control panel's About page.

#include "UiTextParser.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

constexpr int32_t kEnglishLanguageId = 1033;
constexpr int kLanguageListSize = 64;
constexpr int kLanguageNameChars = 256;

// Texts that take one argument, with the sentence shown when no language file
// has them (see FormatUiText).
constexpr int kUiDeleteThemeQuestion = 38;     // %s: the file name
constexpr int kUiOverwriteThemeQuestion = 39;  // %s: the Themes folder
constexpr const wchar_t* kDeleteThemeQuestionEnglish =
    L"Do you really want to delete the theme file %s?";
constexpr const wchar_t* kOverwriteThemeQuestionEnglish =
    L"A theme file of this name already exists in %s. Do you want to replace it?";

struct LanguageListEntry {
    wchar_t Name[kLanguageNameChars];
    int32_t LanguageId;
};

extern UiTable UiStringTable;    // the chosen language
extern UiTable UiFallbackTable;  // always English
extern std::array<LanguageListEntry, kLanguageListSize> LanguageList;
extern int32_t LanguageCount;

// Where the texts and the "Language" setting come from; tests point it at a
// folder and a registry key of their own.
struct LanguageSource {
    std::wstring ProgramFolder;
    HKEY SettingsRoot = HKEY_CURRENT_USER;
    std::wstring SettingsKey;
};

// The folder of this program and HKCU "SOFTWARE\Kelmora\Trivane".
LanguageSource ProgramLanguageSource();

// 1 when texts were loaded, 0 (after the error box) when no language file
// exists. *ownFileFound is 1 when the chosen language has its own file.
// Texts handed out earlier stay valid until the next load.
int LoadLanguage(int32_t* ownFileFound);
int LoadLanguageFrom(const LanguageSource& source, int32_t* ownFileFound);

// Text n, from the chosen language, else English; null when neither has it
// or n lies outside 1..149.
const wchar_t* GetUiString(int32_t n);

// Adds the texts of one "ui.txt" file to the table; an unreadable file adds none.
void ParseUiFile(const wchar_t* path, UiTable& table);

// Lists the language folders (at most 64) in the combo box and selects the
// chosen language, else English; returns the result of CB_SETCURSEL.
int FillLanguageCombo(HWND combo);
int FillLanguageComboFrom(HWND combo, const LanguageSource& source);

// The id of the first listed language of exactly this name, else 0.
int32_t LanguageIdByName(const wchar_t* name);
