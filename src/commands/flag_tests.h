// Small tests of puzzle flags from which the rule tables are built.
#pragma once

#include "base/game.h"

namespace kvelt {

// A rule asks whether a flag is exactly True (-1) or exactly False (0): a state file may hold
// other values, and those satisfy neither test.
using FlagTest = bool (*)(const Game&);

template <Integer Game::*Flag>
bool on(const Game& game) {
  return isTrue(game.*Flag);
}

template <Integer Game::*Flag>
bool off(const Game& game) {
  return isFalse(game.*Flag);
}

template <FlagTest A, FlagTest B>
bool both(const Game& game) {
  return A(game) && B(game);
}

inline bool always(const Game&) {
  return true;
}

template <Integer Row>
bool inRow(const Game& game) {
  return game.posY == Row;
}

}  // namespace kvelt
