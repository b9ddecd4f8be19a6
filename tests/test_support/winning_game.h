// The winning game (tests/data/winning_sequence.txt), for every test that plays it.
#pragma once

#include <string>
#include <vector>

#include "test_support/test_game.h"

namespace kvelt::testing {

// The lines that win the game from its first page, read once; a test fails when the file is
// missing or short.
const std::vector<std::string>& winningLines();

// What the player sees after one line: the narration and the carried pane.
struct Seen {
  std::string narration;
  std::string carried;
  bool operator==(const Seen&) const = default;
};

// A file of the shipped game's data/ folder (scripts.tex, hints.txt), byte for byte.
std::string shippedDataFile(const std::string& name);

// Enters winning lines [from, to) into `t`.
void playWinningLines(TestGame& t, std::size_t from, std::size_t to);

// A new game played through every winning line without a break: what it shows after each one.
std::vector<Seen> straightWinningGame();

}  // namespace kvelt::testing
