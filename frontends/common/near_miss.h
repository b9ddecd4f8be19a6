// What is wrong with a line the game did not understand when it nearly makes a sentence the game
// would take: the status line says so, while the page stays the game's own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/game.h"

namespace kvelt {

// The answer for `line`, just played in `game` and not understood there: the sentence meant
// when the line only differs from one in its blanks, capitals or missing diacritics, an object
// that lies here but is not carried, a target not in sight, or the slip itself when no sentence
// is near. Nothing when the line is not near anything the player has been shown.
std::optional<std::string> nearMiss(const Game& game, std::string_view line);

}  // namespace kvelt
