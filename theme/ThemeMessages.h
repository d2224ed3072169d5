#pragma once
// The texts the theme library shows.

#include "ProductCaption.h"

constexpr const wchar_t* kArchiveSaveRefusal =
    L"Trivane can load both .PvltTheme and .Trivane formats, but cannot save into .PvltTheme "
    L"format.\r\rPlease save as the new .Trivane format";

constexpr const wchar_t* kUnsupportedFeaturesWarning =
    L"This theme features are not supported by the installed Trivane version. Please visit the "
    L"Trivane web site to download the latest release version.";

// The archive reader's box keeps the older product's caption.
constexpr const wchar_t* kArchiveWarningCaption = L"Pavolt 2";
constexpr const wchar_t* kUnzipLibraryMissing = L"Could not find Unzip32.dll";
// After a theme list was read: the files it could not read, one per line.
constexpr const wchar_t* kUnreadableThemeFiles = L"These theme files could not be read:";
