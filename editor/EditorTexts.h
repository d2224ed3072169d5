#pragma once
// The texts the editor's panes and pages show.

// Filters of the open dialogs: a name, its pattern, and the closing NUL.
constexpr const wchar_t* kImageFilter = L"PNG graphics\0*.PNG\0";
constexpr const wchar_t* kSoundFilter = L"Sound files\0*.WAV\0";

// Boxes; the path follows the text.
constexpr const wchar_t* kTextImageUnreadable =
    L"This file holds no image that can be read; the item keeps its image.\r\n";
constexpr const wchar_t* kTextThemeImagesUnreadable =
    L"Some images of this theme could not be read; their items are empty.\r\n";
constexpr const wchar_t* kTextSaveNeedsContainer =
    L"This document could not be saved: themes are saved as .Trivane files.\r\n";
constexpr const wchar_t* kTextSoundUnreadable =
    L"This file cannot be used as a sound: it is empty, too large or cannot be read. "
    L"The event keeps its sound.\r\n";
