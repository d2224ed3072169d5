#pragma once
// Reading the files of a theme list (the panel's lists, the settings page's
// strip) without a box per broken file: the files that fail are named in
// one box when the build ends, and a file that failed is not read again
// while its size and last write time stay as they were.

#include "CTheme.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class ThemeListBuild
{
public:
    // The box at the end is owned by owner.
    explicit ThemeListBuild(HWND owner);
    ~ThemeListBuild();
    ThemeListBuild(const ThemeListBuild&) = delete;
    ThemeListBuild& operator=(const ThemeListBuild&) = delete;

    using Loader = std::function<std::unique_ptr<CTheme>()>;
    // What load() gives for the file at path (its boxes held back), or null
    // without calling it when the unchanged file failed before. A load that
    // gives null or raised error boxes names the file in the final box; one
    // that gave null is remembered.
    std::unique_ptr<CTheme> Load(const wchar_t* path, const Loader& load);

    // The files named so far, for the box.
    const std::vector<std::wstring>& Unreadable() const { return unreadable_; }

private:
    HWND owner_;
    std::vector<std::wstring> unreadable_;
};

// Forgets what is known of files that failed (for tests, and a new start).
void ForgetUnreadableThemeFiles();
