// ".PvltTheme" archives of the predecessor product: extracted whole into a
// fresh temporary folder, read through their "scheme.ini", and removed again.

#include "ArchiveFolder.h"
#include "CTheme.h"
#include "SchemeIni.h"
#include "ThemeFileNames.h"
#include "UnzipLibrary.h"

#include <new>

int CTheme::LoadZipTheme(const wchar_t* path, int preview)
{
    if (!path || !IsExistingFile(path))
        return 0;
    FilePath = path;
    try {
        ArchiveFolder folder;
        if (!folder.Create() || !UnzipAll(path, folder.Path().c_str()))
            return 0;
        // An archive without its ini yields nothing; taking it as an empty
        // theme would put no cursors over the ones a merge keeps.
        std::wstring ini = folder.Path() + L"\\" + kSchemeIniName;
        if (!LoadSchemeIni(ini.c_str(), preview))
            return 0;
        // Nor do sections that gave no cursor. A preview tries the arrow
        // alone, so its lists still show an archive without one.
        if (!preview && CursorCount() == 0)
            return 0;
        Name = DuplicateText(FileTitleOf(FilePath).c_str());
        ContentFlags = ThemeHasCursors;
        return 1;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}
