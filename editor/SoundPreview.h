#pragma once
// The editor plays theme sounds straight from their buffers, asynchronously:
// a buffer must not go while it plays, so whoever frees or replaces one
// stops it first.

class CTheme;
class CThemeSound;

// Plays the sound from memory when its bytes are a whole wave; 1 when asked
// to play.
int PlaySoundPreview(const CThemeSound* sound);

// Stops playback when it comes from this sound's buffer.
void StopSoundPreview(const CThemeSound* sound);

// Stops playback when it comes from any of the theme's sounds.
void StopThemeSoundPreviews(const CTheme* theme);
