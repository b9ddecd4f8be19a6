// The short Czech name of each room, as the map shows it once the room has been seen.
#pragma once

#include <string>

#include "base/game.h"

namespace kvelt {

// The name data/rooms.txt gives room (x,y); "x,y" for a room it does not name.
std::string roomName(Integer x, Integer y);

}  // namespace kvelt
