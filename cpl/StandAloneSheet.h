#pragma once
// The page alone in a modeless sheet of its own, outside the shell.

#include <windows.h>

namespace cpl {

// TRUE with the sheet's window in *sheet; the caller runs the sheet's message
// loop. FALSE with *sheet null when no sheet could be made, or when a page of
// the library is open already (its sheet comes to the front instead).
BOOL ShowStandAloneSheet(HWND* sheet);

}  // namespace cpl
