// Choosing the theme file format by extension, and the two boxes about
// formats the program cannot handle.

#include "CTheme.h"
#include "FileRetry.h"
#include "LMMessageBox.h"
#include "ScopedWin.h"
#include "ThemeContainer.h"
#include "ThemeFileNames.h"
#include "ThemeMessages.h"

int CTheme::Load(const wchar_t* path, int preview)
{
    if (PathHasExtension(path, kArchiveExtension))
        return LoadZipTheme(path, preview);
    if (PathHasExtension(path, kContainerExtension))
        return LoadContainer(path, preview);
    return 0;
}

int CTheme::Save(const wchar_t* path, int compress)
{
    if (PathHasExtension(path, kContainerExtension))
        return SaveContainer(path, compress);
    if (PathHasExtension(path, kArchiveExtension))
        LMMessageBox(nullptr, kArchiveSaveRefusal, kProductCaption, MB_OK | MB_ICONINFORMATION);
    return 0;
}

int CTheme::PeekKind(const wchar_t* path)
{
    if (PathHasExtension(path, kArchiveExtension)) {
        ContentFlags = ThemeHasCursors;
        return 1;
    }
    if (!PathHasExtension(path, kContainerExtension))
        return 0;
    ScopedFile file(CreateFileRetry(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    uint8_t bytes[sizeof(ThemeFileHeader)];
    DWORD got = 0;
    ThemeFileHeader header{};
    if (!file || !ReadFile(file.Get(), bytes, sizeof(bytes), &got, nullptr) ||
        !ReadThemeFileHeader(bytes, got, &header))
        return 0;
    if (header.Version < kThemeFilePeekOldestVersion || header.Version > kThemeFileVersion)
        return 0;
    // Only the four content bits mean anything to the theme lists.
    ContentFlags = static_cast<int32_t>(header.ContentFlags & kThemeContentMask);
    return 1;
}

void CTheme::WarnUnsupported()
{
    if (UnsupportedWarned)
        return;
    UnsupportedWarned = 1;
    LMNoticeBox(nullptr, kUnsupportedFeaturesWarning, kProductCaption, MB_OK | MB_ICONWARNING);
}
