// The turn loop: everything that one press of Enter in the input line does.
#pragma once

#include <array>

#include "base/game.h"

namespace kvelt {

inline constexpr Integer kEnterKey = 13;

// The closing sequence of a won game, on a fresh page.
inline constexpr std::array<Integer, 9> kEndingMessages = {171, 172, 179, 177, 178,
                                                           179, 179, 179, 180};

// The key handler of the input line. Only Enter (13) plays a turn; every other key is left to
// the input line. The key code is never changed.
void Text1_KeyPress(Game& game, Integer& keyAscii);

}  // namespace kvelt
