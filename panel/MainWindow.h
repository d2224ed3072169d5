#pragma once
// The main window's life beyond its build: the list rebuild the folder
// watcher's timer asks for, and the release of everything the build made.

// The four library lists, in this order: themes, effects, sounds, trails.
void BuildLibraryLists();
// The Themes folder listed again, then the four lists built.
void RebuildLibraryLists();

// Ends the folder watcher and deletes the window's objects; the panel's
// program-wide values go back to those of a panel not yet built.
void ReleaseMainWindow();
