// The save and load commands: "save N" and "load N" for slots 1 to 10.
#pragma once

#include <string>

#include "base/game.h"

namespace kvelt {

inline constexpr int kSlotCount = 10;

// The names of a slot's two files in the save folder: "save3.s" and "savex3.s" for slot 3.
std::string slotListFileName(int slot);
std::string slotStateFileName(int slot);

// Recognises the exact lines "save N" and "load N" (N from 1 to 10, no leading zero) in the
// input line and runs the save or the load; the turn then goes on with the same line.
void scanSaveCommands(Game& game);

// Builds the two paths of slot saveSlot and runs save or load by commandVerb.
void ulozit(Game& game);

}  // namespace kvelt
