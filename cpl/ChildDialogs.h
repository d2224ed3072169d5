#pragma once
// The page's child dialogs: made from the library's templates and laid over
// a placeholder control of their parent.

#include <windows.h>

namespace cpl {

// The procedure of dialogs that only hold other windows and objects.
INT_PTR CALLBACK PlainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A modeless child dialog of parent from template id with that background,
// or null.
HWND CreateChildDialog(HWND parent, int id, DLGPROC procedure);

// Puts window over the parent's placeholder control, at its place and size,
// and hides the placeholder.
void PlaceOver(HWND window, HWND parent, int placeholderId, bool show);

// A dialog of template id laid over the placeholder and shown.
HWND CreateDialogOver(HWND parent, int id, DLGPROC procedure, int placeholderId);

// A scroll bar control's range to 0..maximum, its page and position 0.
void ResetScrollBar(HWND bar, int maximum, int page);

// A window's client size.
SIZE ClientSize(HWND window);

}  // namespace cpl
