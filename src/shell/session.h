// What a front end calls: start a game, deliver Enter, close the window.
#pragma once

#include <cstddef>
#include <string>

#include "base/game.h"
#include "base/status.h"

namespace kvelt {

// Creates the window's game: fills in the platform, then runs start-up. A failure (the
// catalogue cannot be read) is returned as an error after the display has been restored; the
// program must then end.
Status startGame(Game& game, Platform platform);

// No command is longer than a hundred bytes; a line past this many is cut, so that whatever
// comes in, a turn holds no more. Readers of lines need keep no more than one byte over it.
inline constexpr std::size_t kLineLimit = 4096;

// The player pressed Enter with `line` in the input line. A line longer than kLineLimit bytes
// is played cut to its first kLineLimit bytes, less a character split there, and
// game.turn.lineCut says so. Afterwards game.windowClosed tells whether the program has ended
// (the exit request ran). An error means the same as for startGame.
Status pressEnter(Game& game, std::string line);

// The window was closed some other way than by the exit request (close box, signal).
void closeWindow(Game& game);

}  // namespace kvelt
