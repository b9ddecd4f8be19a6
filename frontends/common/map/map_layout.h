// The map as cells of the room grid, for the drawings and the text alternative to read.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/game.h"
#include "common/map/map_knowledge.h"

namespace kvelt {

inline constexpr int kMapColumns = 7;
inline constexpr int kMapRows = 7;

// How a way out of a seen room is drawn.
enum class WayLook {
  none,    // not named there (or the room's ways are not known)
  joined,  // to a neighbour the player has seen too
  stub,    // to where the player has not been yet
  deadly,  // taking it ended the game
  rope,    // down the rope from the window, into (3,4)
};

struct MapCell {
  Integer x = 0, y = 0;  // 1 to 7
  std::string name;
  bool here = false;
  std::array<WayLook, 4> ways{};  // north, south, west, east
};

struct MapPicture {
  std::vector<MapCell> cells;  // row by row from the north, west to east in a row
  bool ropeClimbed = false;
  const MapCell* here() const;
};

MapPicture layoutMap(const MapKnowledge& known);

// The rope hangs from the window of (2,2) and lands in (3,4).
inline constexpr Integer kRopeTopX = 2, kRopeTopY = 2, kRopeFootX = 3, kRopeFootY = 4;

}  // namespace kvelt
