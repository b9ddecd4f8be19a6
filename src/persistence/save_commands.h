// The save and load commands: "save N" and "load N" for slots 1 to 10.
#pragma once

#include "shell/game.h"

namespace kvelt {

// Recognises the exact lines "save N" and "load N" (N from 1 to 10, no leading zero) in the
// input line and runs the save or the load; the turn then goes on with the same line.
void scanSaveCommands(Game& game);

// Builds the two paths of slot saveSlot and runs save or load by commandVerb.
void ulozit(Game& game);

}  // namespace kvelt
