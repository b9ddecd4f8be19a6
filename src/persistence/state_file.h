// The state file of a save slot: position, door code and flags as 41 little-endian Integers.
#pragma once

#include <string>
#include <string_view>

#include "base/game.h"

namespace kvelt {

inline constexpr std::size_t kStateFields = 41;
inline constexpr std::size_t kStateFileSize = kStateFields * 2;

// The 82 bytes of the state file for the game as it stands.
std::string encodeState(const Game& game);

// Reads the 41 fields of a file that leavesPlayableGame has accepted; bytes past the last field
// are ignored.
void decodeState(Game& game, std::string_view bytes);

// Whether the file holds a game that play can reach: all 41 fields are there, the player stands
// in a room of the map, the door code is one of 0 to 5, every flag is -1 or 0 and the way south
// from the start stays barred. A save of this game never holds anything else.
bool leavesPlayableGame(Game& game, std::string_view bytes);

}  // namespace kvelt
