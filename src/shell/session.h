// What a front end calls: start a game, deliver Enter, close the window.
#pragma once

#include <string>

#include "base/game.h"
#include "base/status.h"

namespace kvelt {

// Creates the window's game: fills in the platform, then runs start-up. A failure (the
// catalogue cannot be read) is returned as an error after the display has been restored; the
// program must then end.
Status startGame(Game& game, Platform platform);

// The player pressed Enter with `line` in the input line. Afterwards game.windowClosed tells
// whether the program has ended (the exit request ran). An error means the same as for
// startGame.
Status pressEnter(Game& game, std::string line);

// The window was closed some other way than by the exit request (close box, signal).
void closeWindow(Game& game);

}  // namespace kvelt
