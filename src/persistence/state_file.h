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

// Reads every field whose two bytes are present; fields past the end of a short file keep
// their values, and bytes past the last field are ignored.
void decodeState(Game& game, std::string_view bytes);

// Whether the game that decodeState would leave can be played on: the player stands in a room
// of the map, the door code is one of 0 to 5 and the way south from the start stays barred.
// A save of this game never holds anything else.
bool leavesPlayableGame(Game& game, std::string_view bytes);

}  // namespace kvelt
