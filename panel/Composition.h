#pragma once
// The panel's current theme: composed from library themes, written as
// "CurrentTheme.Trivane", and handed to the engine.

// Row -1 (or any row that is not one) changes nothing. Row 0 leaves no
// current theme; row n picks the theme of list entry n - 1 and writes the
// current-theme file. The applied row follows only a pick that took
// place. 1 when the current theme was composed (and written).
int PickLibraryTheme(int merge, int row);

// Without a path the current theme goes. With one, the file's cursors and
// name always replace the current theme's; with merge, so do its sounds,
// effects and trails, after a question where the current theme holds that
// part and the call is interactive. A file that does not load, or holds no
// cursor with pixels, changes nothing (0). With save, the result is
// written to the current-theme path (0 when that fails; the file that was
// there stays whole).
int ComposeCurrentTheme(int interactive, const wchar_t* path, int save, int merge);

// Sets (or, without a current theme, removes with the file) the autostart
// value, then asks a running engine to re-apply, or starts one.
void ApplyCurrentTheme();
