// Why a game can no longer be won, in the player's terms, once the planner has found no way.
#pragma once

#include "base/game.h"

namespace kvelt {

// The key of the reason's text in hints.txt ("why.needle"; "why.other" when none of the known
// dead ends explains the state; nullptr once the game is over). The planner decides whether a
// game is lost; this only words it.
const char* deadEndReason(const Game& game);

}  // namespace kvelt
