#pragma once
// The themes the run command installs: plain cursors drawn in code, one for
// each system pointer the engine replaces, and a pressed arrow; and for the
// control panel's library pages, a click effect theme and a trail theme.

#include <memory>

class CTheme;

std::unique_ptr<CTheme> MakeDefaultTheme();
// A ring of dots that widens on every button press.
std::unique_ptr<CTheme> MakeEffectTheme();
// A dot that shrinks behind the pointer.
std::unique_ptr<CTheme> MakeTrailTheme();
