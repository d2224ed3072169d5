#pragma once
// A click effect: a sprite played once at a mouse-button event.

#include "SpriteLifetime.h"

class CLMEffect : public CLMSprite {};
