#pragma once
// The theme the run command installs: plain cursors drawn in code, one for
// each system pointer the engine replaces, and a pressed arrow.

#include <memory>

class CTheme;

std::unique_ptr<CTheme> MakeDefaultTheme();
