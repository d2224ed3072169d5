#pragma once
// What a click on a drawn control does: the command that the rules choose
// for its id, run on the panel's pages, lists, settings and dialogs.

#include "CommandRules.h"

#include <string>

class CQVObj;

// Runs the command of the control's id for a click at y in the control's
// coordinates. The control may be gone afterwards: while a dialog or a
// question is open, the folder watcher may rebuild the lists.
void RunControlCommand(const CQVObj& control, int y);

// The theme list's commands and those of the buttons on its rows; false
// when the choice is none of them.
bool RunThemeCommand(const CommandChoice& choice);

// Opens a web or mail address with the user's program for it; an empty
// address opens nothing.
void OpenAddress(const std::wstring& address);
