// The two files of a save slot: the object-list file and the state file.
#pragma once

#include <string>

#include "base/game.h"

namespace kvelt {

// Writes the slot at saveListPath and saveStatePath.
void save(Game& game);

// What the player is told when slot `slot` could not be kept.
std::string saveFailedNotice(Integer slot);

// Reads the slot back into the game, rebuilds the carried-objects pane and describes the room.
void load(Game& game);

}  // namespace kvelt
