#include "LibraryEntry.h"

#include "CTheme.h"

#include <cwchar>

bool StartLibraryEntry(const ThemeListEntry& listed, int32_t listFlag, LibraryEntry* entry)
{
    *entry = LibraryEntry{};
    if (wcsnlen(listed.Path, kThemeListPathChars) >= MAX_PATH)
        return false;
    CopyTextBounded(entry->Path, MAX_PATH, listed.Path);
    CopyTextBounded(entry->DisplayName, MAX_PATH, listed.Title);
    entry->ContentFlags = listFlag;
    return true;
}

void TakeThemeTexts(const CTheme& theme, LibraryEntry* entry)
{
    theme.GetDisplayName(entry->DisplayName, MAX_PATH);
    // Absent texts come out empty; longer ones are cut to their fields.
    CopyTextBounded(entry->Author, kLibraryTextChars, theme.Author.get());
    CopyTextBounded(entry->Email, kLibraryTextChars, theme.Email.get());
    CopyTextBounded(entry->Website, kLibraryTextChars, theme.Website.get());
    CopyTextBounded(entry->Version, kLibraryVersionChars, theme.Version.get());
    entry->Description = DuplicateText(theme.Description.get());
}

void CopyLibraryEntry(const LibraryEntry& source, LibraryEntry* copy)
{
    if (copy == &source)
        return;
    *copy = LibraryEntry{};
    CopyTextBounded(copy->Path, MAX_PATH, source.Path);
    CopyTextBounded(copy->Author, kLibraryTextChars, source.Author);
    CopyTextBounded(copy->DisplayName, MAX_PATH, source.DisplayName);
    CopyTextBounded(copy->Email, kLibraryTextChars, source.Email);
    CopyTextBounded(copy->Website, kLibraryTextChars, source.Website);
    CopyTextBounded(copy->Version, kLibraryVersionChars, source.Version);
    copy->Description = DuplicateText(source.Description.get());
    copy->ContentFlags = source.ContentFlags;
}
