// kvelt-cli typed on a terminal: the game over the kit's session, the comforts on keys of the
// line editor, and every page broken at blanks to the terminal's width.
#pragma once

#include <cstdio>
#include <optional>

#include "common/game_arguments.h"

namespace kvelt {

// Plays the game on the terminal of standard input and output and returns the exit status;
// nothing, before anything is shown, when that terminal cannot edit a line.
std::optional<int> playOnTerminal(const GameArguments& arguments, std::FILE* out, std::FILE* err);

}  // namespace kvelt
