#pragma once
// The sounds the panel plays: the current theme's sound of a mouse event,
// from memory, and a file of the Sounds folder. Both go through the
// engine's world, so tests can record them.

// Nothing without a current theme, a sound in that slot, or whole "WAVE"
// bytes (the player trusts the sizes inside them).
void PlayCurrentThemeSound(int event);

// "<Sounds folder>\<name>", played from the file.
void PlaySoundsFolderFile(const wchar_t* name);
