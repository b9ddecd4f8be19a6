// Start-up and shutdown of the game window.
#pragma once

#include "base/game.h"

namespace kvelt {

// Records the screen size, switches to 800 x 600, sets up a new game and prints the opening.
void Form_Load(Game& game);

// "exit", or Enter after the end: puts the screen size back and closes the window.
void exitRequest(Game& game);

// The window has closed, whatever closed it. The screen size is put back here too, so that no
// way of ending leaves the player's desktop at 800 x 600.
void Form_Unload(Game& game);

// Puts the screen size of start-up back, once.
void restoreDisplay(Game& game);

}  // namespace kvelt
