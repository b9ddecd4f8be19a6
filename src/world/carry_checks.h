// Replies to taking what is carried and dropping what is not.
#pragma once

#include "base/game.h"

namespace kvelt {

inline constexpr const char* kAlreadyCarried = " již u sebe máš!";
inline constexpr const char* kNotCarried = " u sebe nemáš!";

// Looks at slot loopIndex of the inventory and of currentRoomObjects; silent on a turn on which
// an object was taken or dropped (itemMovedThisTurn is 1000).
void kontrola(Game& game);

}  // namespace kvelt
