#pragma once
// Showing the current theme (or none) in the themes page's cursor cells and
// name label, the effect slots' previews and the sound slots' icons. Every
// picture shown is a copy of its own: the theme's entries keep theirs.

// Each effect slot's preview: "null", or a looping copy of the current
// theme's effect for that mouse event.
void RefreshEffectSlots();

// Each sound slot's icon: "sound" where the current theme has a sound for
// that event, else "blank".
void ShowSoundIcons();

// The cells take the shown roles' normal cursors, shadowed, in role order
// until they are used up; the arrow's unshadowed copy becomes "ori".
void ShowCursorCells();

// The name label shows the text.
void ReplaceNameLabel(const wchar_t* text);

// Cells, effect previews and sound slots empty; "ori" and "mod" stay.
void ShowNoTheme();
