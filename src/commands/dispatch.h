// The command interpreter: dispatch of a recognised command to its rule group.
#pragma once

#include "base/game.h"

namespace kvelt {

// Applies commandVerb, commandObject and commandTarget to the game, then empties all three.
void prikazy(Game& game);

}  // namespace kvelt
