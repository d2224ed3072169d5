#pragma once
// The theme the run command installs when there is none: a few plain cursors
// drawn in code (arrow, pressed arrow, busy, cross and text beam).

#include <memory>

class CTheme;

std::unique_ptr<CTheme> MakeDefaultTheme();
