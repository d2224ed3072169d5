// The themes page's commands: selecting, picking and applying rows, and the
// buttons that ride on a row or the cursor strip (editor, cursors, mail,
// website, properties, delete).

#include "PanelCommands.h"

#include "Composition.h"
#include "LMMessageBox.h"
#include "Language.h"
#include "LibraryRows.h"
#include "LibraryViews.h"
#include "ListSelection.h"
#include "ProductCaption.h"
#include "RunProgram.h"
#include "SmallDialogs.h"
#include "ThemeFileDeletion.h"
#include "UiTextFormat.h"
#include "WebAddress.h"

#include <shlwapi.h>

#include <string>

namespace {

constexpr wchar_t kEditorProgram[] = L"\\Trivane Theme Editor.exe";
constexpr size_t kQuestionChars = 1024;

// The rules chose a row of the list as it is now.
const LibraryEntry& EntryOfRow(int row)
{
    return Library.Themes[static_cast<size_t>(row - 1)];
}

void StartEditor(const wchar_t* parameters)
{
    const std::wstring folder = ModuleFolder(nullptr);
    if (!folder.empty())
        RunProgram((folder + kEditorProgram).c_str(), nullptr, parameters);
}

void EditTheme(int row)
{
    const LibraryEntry& entry = EntryOfRow(row);
    if (!entry.Path[0])
        return;
    const std::wstring parameters = L"\"" + std::wstring(entry.Path) + L"\"";
    StartEditor(parameters.c_str());
}

void ShowCursorsOfRow(int row)
{
    ShowIfHidden(PanelShell.BackImage);
    ShowIfHidden(PanelShell.BackLink);
    ShowThemeCursors(EntryOfRow(row).Path);
    ShowThemeCursorsPage();
}

// The path is copied first: while the question is open the folder watcher
// may rebuild the list.
void DeleteTheme(int row)
{
    const std::wstring path = EntryOfRow(row).Path;
    wchar_t question[kQuestionChars];
    FormatUiText(question, kQuestionChars, GetUiString(kUiDeleteThemeQuestion),
                 kDeleteThemeQuestionEnglish, PathFindFileNameW(path.c_str()));
    if (LMMessageBox(PanelDialog, question, kProductCaption, MB_YESNO | MB_ICONQUESTION) == IDYES)
        DeleteThemeFileOrSayWhy(PanelDialog, path.c_str(), kProductCaption);
}

// The hover bar lies on a row or in the cursor strip.
void SelectHoveredTheme()
{
    if (Library.ThemeList.Hovered >= -1)
        SelectThemeRow(Library.ThemeList.Hovered);
}

// The engine hears of a pick only when the current theme file was written.
void PickAndApply(int merge, int row)
{
    if (PickLibraryTheme(merge, row))
        ApplyCurrentTheme();
}

// The buttons of one row; false for other commands.
bool RunRowCommand(const CommandChoice& choice)
{
    const int row = choice.Row;
    switch (choice.Command) {
    case ControlCommand::EditTheme:
        EditTheme(row);
        return true;
    case ControlCommand::ShowThemeCursors:
        ShowCursorsOfRow(row);
        return true;
    case ControlCommand::MailTheme:
        OpenAddress(MailToOpen(EntryOfRow(row).Email));
        return true;
    case ControlCommand::OpenThemeWebsite:
        OpenAddress(WebsiteToOpen(EntryOfRow(row).Website));
        return true;
    case ControlCommand::ShowThemeProperties:
        ShowThemeProperties(PanelDialog, EntryOfRow(row));
        return true;
    case ControlCommand::DeleteTheme:
        DeleteTheme(row);
        return true;
    default:
        return false;
    }
}

}  // namespace

bool RunThemeCommand(const CommandChoice& choice)
{
    switch (choice.Command) {
    case ControlCommand::SelectHoveredTheme:
        SelectHoveredTheme();
        return true;
    case ControlCommand::StartEditor:
        StartEditor(nullptr);
        return true;
    case ControlCommand::PickHoveredTheme:
        PickLibraryTheme(1, Library.ThemeList.Hovered);
        ShowThemesPage();
        ApplyCurrentTheme();
        return true;
    case ControlCommand::PickSelectedTheme:
        PickAndApply(1, choice.Row);
        return true;
    case ControlCommand::PickSelectedCursors:
        PickAndApply(0, choice.Row);
        return true;
    case ControlCommand::ApplyCurrentTheme:
        ApplyCurrentTheme();
        return true;
    default:
        return RunRowCommand(choice);
    }
}
