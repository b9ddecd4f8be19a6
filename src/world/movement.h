// Exits sentence and movement.
#pragma once

#include "base/game.h"

namespace kvelt {

inline constexpr const char* kWaysOutLead = "Můžeš jít na";

// Appends a new line naming the open ways of `exits`: "Můžeš jít na sever, jih, západ a na
// východ".
void strany(Game& game);

// The movement step: moves one room if the input line is "s", "j", "z" or "v" and that way is
// open; the rope from the window of room (2,2) has a rule of its own.
void pohyb(Game& game);

}  // namespace kvelt
