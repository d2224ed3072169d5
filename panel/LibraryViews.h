#pragma once
// What the library pages show beside their lists: the trails page's caption
// and the trail its preview draws from, the cursors of one theme in a grid,
// and page switching.

#include "CTheme.h"

#include <memory>

class LMObj;

// Replaces the trails page's caption; with reload, loads the selected
// trail row's theme for the preview (the ghost row shows the sliders
// instead); without, only frees the loaded theme.
void ShowTrailPreview(int reload);

// A trail theme file loaded for its trails: a preview load, and a whole one
// when the preview stops before any trail (a file whose effects come first).
// Null when the file does not load.
std::unique_ptr<CTheme> LoadTrailTheme(const wchar_t* path);

// The first trail the lists show: slot 0, else slot 2, else any; entries
// without pictures count as missing.
const CThemeTrail* PreviewTrail(const CTheme& theme);

// Fills the cursor grid with the role-0..19 cursors of the file and puts
// its name in the page caption; a file that does not load changes nothing.
void ShowThemeCursors(const wchar_t* path);

// Shows one page, hiding the others and moving the side-tab mark to `tab`
// (null marks none). Unless `evenWhenShown`, a page already shown is left.
void ShowPage(int page, LMObj* tab, bool evenWhenShown);
void ShowThemesPage();
void ShowAboutPage();
void ShowThemeCursorsPage();
