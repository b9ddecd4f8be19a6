// Common operations of the command rules.
#include "commands/common_operations.h"

#include "text/carried_pane.h"
#include "text/pane.h"
#include "world/object_listing.h"

namespace kvelt {

void appendReply(Game& game, const std::string& text) {
  ++game.turn.printed;
  appendLine(game.Text2, text);
}

void placeInRoom(Game& game, const std::string& word, int last) {
  for (int slot = 0; slot <= last; ++slot) {
    if (game.currentRoomObjects[slot].empty()) {
      game.currentRoomObjects[slot] = word;
      return;
    }
  }
}

void removeCarried(Game& game, const std::string& word) {
  for (int slot = 0; slot <= 10; ++slot) {
    if (game.inventory[slot] == word) game.inventory[slot].clear();
  }
  inv(game);
}

void replaceCarried(Game& game, const std::string& oldWord, const std::string& newWord) {
  for (int slot = 0; slot <= 10; ++slot) {
    if (game.inventory[slot] == oldWord) game.inventory[slot] = newWord;
  }
  inv(game);
}

void relistRoom(Game& game) {
  popisyx(game);
}

bool carries(const Game& game, const std::string& word, int first, int last) {
  for (int slot = first; slot <= last; ++slot) {
    if (game.inventory[slot] == word) return true;
  }
  return false;
}

}  // namespace kvelt
