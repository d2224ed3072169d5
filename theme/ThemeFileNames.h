#pragma once
// Theme file extensions and the name parts taken from paths.

#include <string>

constexpr const wchar_t* kContainerExtension = L".trivane";
constexpr const wchar_t* kArchiveExtension = L".pvlttheme";

// The path is longer than the extension and ends with it, ignoring case.
bool PathHasExtension(const wchar_t* path, const wchar_t* extension);

// The file name without folder and without its last extension.
std::wstring FileTitleOf(const std::wstring& path);
