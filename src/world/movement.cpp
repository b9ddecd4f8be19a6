// Exits sentence and movement.
#include "world/movement.h"

#include "text/catalogue.h"

namespace kvelt {

void strany(Game& game) {
  game.k = 0;
  game.Text2 += "\r\n";
  game.Text2 += kWaysOutLead;
  for (game.loopIndex = 0; game.loopIndex <= 3; ++game.loopIndex) {
    if (game.exits[game.loopIndex] == kTrue) ++game.k;
  }
  game.g = 1;
  for (game.loopIndex = 0; game.loopIndex <= 3; ++game.loopIndex) {
    if (game.exits[game.loopIndex] != kTrue) continue;
    const std::string& word = game.directions[game.loopIndex];
    if (game.g == game.k) {
      game.Text2 += " " + word;
    } else if (game.g < game.k - 1) {
      game.Text2 += " " + word + ",";
    } else if (game.g == game.k - 1) {
      game.Text2 += " " + word + " a na";
    }
    ++game.g;
  }
}

void pohyb(Game& game) {
  const std::string line = game.Text1;
  if (line == "s") {
    if (game.exits[north] == kTrue) --game.posY;
  } else if (line == "j") {
    // Down the rope from the window of room (2,2): it lands in the passage (3,4), and only
    // while the device holds the portcullis up; otherwise the fall is fatal.
    if (game.windowRopeTied == kTrue && game.posY == 2 && game.posX == 2) {
      if (game.deviceJammed == kTrue) {
        game.posX = 3;
        game.posY = 4;
        return;
      }
      if (game.deviceJammed == kFalse) {
        showMessage(game, 144);
        game.gameOver = kTrue;
        game.Text1.clear();
        return;
      }
    }
    if (game.exits[south] == kTrue) ++game.posY;
  } else if (line == "z") {
    if (game.exits[west] == kTrue) --game.posX;
  } else if (line == "v") {
    if (game.exits[east] == kTrue) ++game.posX;
  }
  game.lastCommand.clear();
}

}  // namespace kvelt
