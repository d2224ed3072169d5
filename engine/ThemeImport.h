#pragma once
// A theme file given to the engine: copied into the Themes folder (asking
// before it replaces one), merged into the current theme, and announced to
// the control panel and a running engine.

#include <functional>
#include <string>

enum class ImportAction {
    None,          // nothing to import
    UseCurrent,    // the argument is the current-theme file itself
    UseInThemes,   // the argument already lies in the Themes folder
    AskOverwrite,  // a theme of that name is in the Themes folder
    Copy,          // copied into the Themes folder without a question
};

struct ImportPlan {
    ImportAction Action = ImportAction::None;
    std::wstring Target;  // the file that is merged
};

// argument and current in their long forms. exists tells whether a path names
// a file. Nothing is imported when the target path would not fit in 260
// characters.
ImportPlan PlanThemeImport(const std::wstring& argument, const std::wstring& current,
                           const std::wstring& themesFolder,
                           const std::function<bool(const std::wstring&)>& exists);

// Carries out the plan for a theme file: copies it (after the question when
// one is due) and returns the file to merge, or empty when there is none.
std::wstring ImportThemeArgument(const wchar_t* argument, const wchar_t* currentPath,
                                 const wchar_t* themesFolder);

// Cursors and name (content flag 1), effects (2) and trails (4) of the target
// go into the current theme file, which is saved uncompressed; sounds never
// move. Nothing is saved unless both themes loaded (a missing current file
// counts as an empty theme). 1 when saved.
int MergeThemeInto(const wchar_t* currentPath, const wchar_t* targetPath);

// The control panel reloads; a running engine is asked to re-apply. 1 when an
// engine was told, so this process has nothing more to do.
int AnnounceTheme();

// Steps 2 and 3 of the start: the theme argument of the command line, when it
// names a theme file, is imported, merged and announced. 1 when the process
// should end because a running engine took over.
int HandleThemeArgument(const wchar_t* commandLine);
