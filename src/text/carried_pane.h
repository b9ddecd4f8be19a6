// The carried-objects pane Text3.
#pragma once

#include <string>

#include "base/game.h"

namespace kvelt {

// Line 0 replaces the pane's text with `word`; any other line appends CR LF and `word`.
void showCarried(Game& game, const std::string& word, Integer line);

// One pass over slots 0 to `last`: each empty slot takes the word of the slot after it, which
// is emptied; then the slot is written to the pane as its line.
void closeGapsAndShow(Game& game, Integer last);

// Closes the gap a removal left in the inventory and writes slots 0 to 9 to the pane.
void inv(Game& game);

}  // namespace kvelt
