#pragma once
// A trail: a sprite left behind where the pointer passed.

#include "SpriteLifetime.h"

class CLMTrail : public CLMSprite {};
