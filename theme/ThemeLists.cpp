#include "ThemeLists.h"

#include "CTheme.h"
#include "ScopedWin.h"
#include "ThemeFileNames.h"
#include "ThemeLocations.h"

#include <shlwapi.h>
#include <windows.h>

#include <cwchar>
#include <string>

namespace
{

ThemeList& CursorThemes()
{
    static ThemeList list;
    return list;
}

ThemeList& EffectThemes()
{
    static ThemeList list;
    return list;
}

ThemeList& TrailThemes()
{
    static ThemeList list;
    return list;
}

// A file with cursors stands only in the cursor list, whatever else it holds.
void FileByContent(const ThemeListEntry& entry, int32_t flags)
{
    if (flags & ThemeHasCursors) {
        CursorThemes().push_back(entry);
        return;
    }
    if (flags & ThemeHasEffects)
        EffectThemes().push_back(entry);
    if (flags & ThemeHasTrails)
        TrailThemes().push_back(entry);
}

void AddIfTheme(const wchar_t* folder, const WIN32_FIND_DATAW& found)
{
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !IsThemeFileName(found.cFileName))
        return;
    ThemeListEntry entry {};
    if (!MakeThemeListEntry(folder, found.cFileName, &entry))
        return;
    CTheme theme;
    if (theme.PeekKind(entry.Path))
        FileByContent(entry, theme.ContentFlags);
}

} // namespace

ThemeList& GetCursorThemeList()
{
    return CursorThemes();
}

ThemeList& GetEffectThemeList()
{
    return EffectThemes();
}

ThemeList& GetTrailThemeList()
{
    return TrailThemes();
}

bool IsThemeFileName(const wchar_t* name)
{
    return PathHasExtension(name, kArchiveExtension) || PathHasExtension(name, kContainerExtension);
}

bool MakeThemeListEntry(const wchar_t* folder, const wchar_t* fileName, ThemeListEntry* entry)
{
    *entry = ThemeListEntry {};
    std::wstring path = std::wstring(folder) + L"\\" + fileName;
    size_t nameLength = std::wcslen(fileName);
    if (path.size() >= kThemeListPathChars || nameLength >= kThemeListTitleChars)
        return false;
    path.copy(entry->Path, path.size());
    std::wcscpy(entry->Title, fileName);
    PathRemoveExtensionW(entry->Title);
    PathRemoveExtensionW(entry->Title);
    return true;
}

void DetachThemeListObjects()
{
    for (ThemeList* list : { &CursorThemes(), &EffectThemes(), &TrailThemes() }) {
        for (ThemeListEntry& entry : *list) {
            entry.Thumbnail = nullptr;
            entry.Caption = nullptr;
        }
    }
}

void RefreshThemeListsFrom(const wchar_t* folder)
{
    RefreshThemeListsMatching(folder, L"*");
}

void RefreshThemeListsMatching(const wchar_t* folder, const wchar_t* pattern)
{
    DetachThemeListObjects();
    CursorThemes().clear();
    EffectThemes().clear();
    TrailThemes().clear();
    if (!folder || folder[0] == L'\0')
        return;
    WIN32_FIND_DATAW found;
    ScopedFindSearch search(
        FindFirstFileW((std::wstring(folder) + L"\\" + pattern).c_str(), &found));
    if (!search)
        return;
    // Every entry is examined, the first one too: it is not always ".".
    do {
        AddIfTheme(folder, found);
    } while (FindNextFileW(search.Get(), &found));
}

void RefreshThemeLists()
{
    wchar_t folder[MAX_PATH];
    GetThemesFolder(folder);
    RefreshThemeListsFrom(folder);
}
