// The map of rooms and the per-turn room handler.
#pragma once

#include "base/game.h"

namespace kvelt {

// The object list of room (x,y), or nullptr where the map has no room.
ObjectList* roomObjects(Game& game, Integer x, Integer y);
// Whether the map has a room at (x,y).
bool isRoom(Integer x, Integer y);

// Describes the room the player stands in, lists its objects, names its ways out, applies the
// recognised command and stores the objects back. A position off the map does nothing at all.
void popisy(Game& game);

}  // namespace kvelt
