// The words the player has been shown at this moment, for completing the input line.
#pragma once

#include <string>
#include <vector>

#include "base/game.h"

namespace kvelt {

// The six verbs, the four one-letter directions and "na", the objects listed on the narration
// pane (the lines after the line that ends with " Vidíš", up to the line starting "Můžeš jít
// na"), and the carried objects (the non-empty lines of Text3). A listed line counts only while
// it still names an object of the room or a carried one, so the replies that follow a second
// listing are never offered.
std::vector<std::string> visibleWords(const Game& game);

}  // namespace kvelt
