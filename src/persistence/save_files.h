// The two files of a save slot: the object-list file and the state file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/game.h"

namespace kvelt {

// Writes the slot at saveListPath and saveStatePath.
void save(Game& game);

// What the player is told when slot `slot` could not be kept.
std::string saveFailedNotice(Integer slot);

// Whether a load would take a list file of `listSize` bytes (any list is taken) and this state
// file as a slot: the check a slot brought in from outside passes before it replaces one.
bool loadableSlot(std::size_t listSize, std::string_view stateBytes);

// Reads the slot back into the game, rebuilds the carried-objects pane and describes the room.
void load(Game& game);

}  // namespace kvelt
