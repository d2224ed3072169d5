#include "LibraryLoads.h"

namespace {

ThemeListBuild* g_build = nullptr;

}  // namespace

LibraryBuildScope::LibraryBuildScope(HWND owner) : build_(owner), outer_(g_build)
{
    g_build = &build_;
}

LibraryBuildScope::~LibraryBuildScope()
{
    g_build = outer_;
}

std::unique_ptr<CTheme> LoadListedTheme(const wchar_t* path, const ThemeListBuild::Loader& load)
{
    return g_build ? g_build->Load(path, load) : load();
}
