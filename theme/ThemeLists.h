#pragma once
// The installed themes by content: three process-wide lists rebuilt from the
// Themes folder, in directory order.

#include <cstddef>
#include <cstdint>
#include <vector>

class LMObj;

constexpr size_t kThemeListPathChars = 460;
constexpr size_t kThemeListTitleChars = 684;

// One installed theme file; zero-filled before use and copied by value.
struct ThemeListEntry {
    wchar_t Path[kThemeListPathChars]; // the folder, a backslash and the file name
    wchar_t Title[kThemeListTitleChars]; // the file name without its last two extensions
    // The settings page's strip objects for this file; not owned here.
    LMObj* Thumbnail;
    LMObj* Caption;
    int32_t Reserved;
};

using ThemeList = std::vector<ThemeListEntry>;

// Files with cursors; files without cursors but with effects; files without
// cursors but with trails.
ThemeList& GetCursorThemeList();
ThemeList& GetEffectThemeList();
ThemeList& GetTrailThemeList();

// Rebuilds the three lists from the Themes folder.
void RefreshThemeLists();
// The same from any folder, or only from its files that match a pattern.
void RefreshThemeListsFrom(const wchar_t* folder);
void RefreshThemeListsMatching(const wchar_t* folder, const wchar_t* pattern);

// Sets Thumbnail and Caption to null in every record of the three lists.
void DetachThemeListObjects();

// Longer than ".trivane" or ".pvlttheme" and ending with it, ignoring case.
bool IsThemeFileName(const wchar_t* name);
// Fills a record for a file in folder; false when its path does not fit.
bool MakeThemeListEntry(const wchar_t* folder, const wchar_t* fileName, ThemeListEntry* entry);
