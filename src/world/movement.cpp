// Exits sentence and movement.
#include "world/movement.h"

#include "text/catalogue.h"
#include "text/pane.h"

namespace kvelt {

void strany(Game& game) {
  game.k = 0;
  appendLine(game.Text2, kWaysOutLead);
  for (game.loopIndex = 0; game.loopIndex <= 3; ++game.loopIndex) {
    if (isTrue(game.exits[game.loopIndex])) ++game.k;
    game.turn.waysNamed[game.loopIndex] = isTrue(game.exits[game.loopIndex]);
  }
  game.turn.waysListed = true;
  game.g = 1;
  for (game.loopIndex = 0; game.loopIndex <= 3; ++game.loopIndex) {
    if (!isTrue(game.exits[game.loopIndex])) continue;
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
    if (isTrue(game.exits[north])) --game.posY;
  } else if (line == "j") {
    // Down the rope from the window of room (2,2): it lands in the passage (3,4), and only
    // while the device holds the portcullis up; otherwise the fall is fatal.
    if (isTrue(game.windowRopeTied) && game.posY == 2 && game.posX == 2) {
      if (isTrue(game.deviceJammed)) {
        game.posX = 3;
        game.posY = 4;
        return;
      }
      if (isFalse(game.deviceJammed)) {
        showMessage(game, 144);
        game.gameOver = kTrue;
        game.Text1.clear();
        return;
      }
    }
    if (isTrue(game.exits[south])) ++game.posY;
  } else if (line == "z") {
    if (isTrue(game.exits[west])) --game.posX;
  } else if (line == "v") {
    if (isTrue(game.exits[east])) ++game.posX;
  }
  game.lastCommand.clear();
}

}  // namespace kvelt
