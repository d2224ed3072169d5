#pragma once
// Moving the selection and hover bars of the library lists. A select ends
// with the list's hover bar hidden and its selection bar shown; a hover
// hides its bar on the selected row. Rows outside a list's current rows are
// refused where a row needs an entry.

void SelectThemeRow(int n);  // -1: the cursor strip
void SelectTrailRow(int n);  // 1: the built-in ghost trail
void SelectEffectSlot(int n);
void SelectSoundSlot(int n);  // plays the current theme's sound of that slot
void SelectEffectRow();       // the hovered effect row
void SelectSoundFileRow();    // the hovered sound file, played

void HoverThemeRow(int n);  // -1: the cursor strip
void HoverEffectRow(int n);
void HoverTrailRow(int n);
void HoverSoundFileRow(int n);
void HoverEffectSlot(int n);
void HoverSoundSlot(int n);

// The rows of each list as built: fixed rows and one per entry or file.
int ThemeListRows();
int TrailListRows();
int EffectListRows();
int SoundFileRows();
