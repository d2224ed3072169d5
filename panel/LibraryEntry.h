#pragma once
// The panel's record of one library theme file: its fixed-size texts as the
// list rows show them, and the row objects made for it.

#include "HeapText.h"
#include "ThemeLists.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>

class CTheme;
class LMObj;

constexpr size_t kLibraryTextChars = 200;  // author, e-mail, website
constexpr size_t kLibraryVersionChars = 20;

struct LibraryEntry {
    wchar_t Path[MAX_PATH] = {};
    wchar_t Author[kLibraryTextChars] = {};
    wchar_t DisplayName[MAX_PATH] = {};  // the list's title until a theme gives its own
    wchar_t Email[kLibraryTextChars] = {};
    wchar_t Website[kLibraryTextChars] = {};
    wchar_t Version[kLibraryVersionChars] = {};
    HeapText Description;
    int32_t ContentFlags = 0;  // the bit of the list holding the file
    LMObj* Preview = nullptr;
    LMObj* NameText = nullptr;
    int32_t TextEnd = 0;  // just right of the row's texts
};

// Starts a record from a theme list's record; false when its path does not
// fit the record's path.
bool StartLibraryEntry(const ThemeListEntry& listed, int32_t listFlag, LibraryEntry* entry);

// The theme's display name and texts, each cut to its field, and a copy of
// the description (absent when the theme has none).
void TakeThemeTexts(const CTheme& theme, LibraryEntry* entry);

// The texts and content flags of source, the description copied; the row
// objects are the source's own and stay behind.
void CopyLibraryEntry(const LibraryEntry& source, LibraryEntry* copy);
