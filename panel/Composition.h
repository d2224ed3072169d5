#pragma once
// The panel's current theme: composed from library themes, written as
// "CurrentTheme.Trivane", and handed to the engine.

// Row -1 (or any row that is not one) changes nothing. Row 0 leaves no
// current theme (the user's choice of "No theme"); row n picks the theme of
// list entry n - 1, which must hold a cursor with pixels, and writes the
// current-theme file. The applied row follows only a pick that took place.
// 1 when the current theme was composed and written; when the write fails
// a box says so and the panel shows the theme the file still holds (0).
int PickLibraryTheme(int merge, int row);

// The current-theme file (at start, or put there by the engine) shown as
// the current theme, whatever parts it holds; without a path the current
// theme goes. The file's cursors and name always replace the current
// theme's; with merge, so do its sounds, effects and trails, after a
// question where the current theme holds that part and the call is
// interactive. A file that does not load changes nothing (0). With save,
// the result is written as for a pick.
int ComposeCurrentTheme(int interactive, const wchar_t* path, int save, int merge);

// Sets (or, after the user chose "No theme", removes with the file) the
// autostart value, then asks a running engine to re-apply, or starts one.
void ApplyCurrentTheme();
