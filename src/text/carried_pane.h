// The carried-objects pane Text3.
#pragma once

#include <string>

#include "shell/game.h"

namespace kvelt {

// Line 0 replaces the pane's text with `word`; any other line appends CR LF and `word`.
void showCarried(Game& game, const std::string& word, Integer line);

// Closes the gap a removal left in the inventory (one pass over slots 0 to 9) and writes
// slots 0 to 9 to the pane.
void inv(Game& game);

}  // namespace kvelt
