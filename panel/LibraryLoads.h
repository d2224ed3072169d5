#pragma once
// The library lists read their theme files inside one build: what fails is
// said once, after all the lists are built, and a file that failed is not
// read again until it changes.

#include "ThemeListBuild.h"

#include <memory>

// While one lives, the lists' loads go through its build.
class LibraryBuildScope {
public:
    explicit LibraryBuildScope(HWND owner);
    ~LibraryBuildScope();
    LibraryBuildScope(const LibraryBuildScope&) = delete;
    LibraryBuildScope& operator=(const LibraryBuildScope&) = delete;

private:
    ThemeListBuild build_;
    ThemeListBuild* outer_;
};

// The theme load() gives for a listed file, through the build when one is
// open (else as it comes, boxes and all).
std::unique_ptr<CTheme> LoadListedTheme(const wchar_t* path, const ThemeListBuild::Loader& load);
