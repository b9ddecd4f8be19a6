// The turn loop: everything that one press of Enter in the input line does.
#pragma once

#include "shell/game.h"

namespace kvelt {

inline constexpr Integer kEnterKey = 13;

// The key handler of the input line. Only Enter (13) plays a turn; every other key is left to
// the input line. The key code is never changed.
void Text1_KeyPress(Game& game, Integer& keyAscii);

}  // namespace kvelt
