// Tab in the input line: the line completed from the words the player can see.
#pragma once

#include <string>

#include "shell/game.h"

namespace kvelt::fltk {

std::string completeInputLine(const Game& game, const std::string& line);

}  // namespace kvelt::fltk
