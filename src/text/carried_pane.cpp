// Carried-objects pane: showCarried and the gap-closing refresh inv.
#include "text/carried_pane.h"

#include "text/pane.h"

namespace kvelt {

void showCarried(Game& game, const std::string& word, Integer line) {
  if (line == 0) {
    game.Text3 = word;
  } else {
    appendLine(game.Text3, word);
  }
}

void closeGapsAndShow(Game& game, Integer last) {
  // A single pass: each empty slot takes the word after it, so one gap travels to the end,
  // while two gaps side by side close by one place only.
  for (game.loopIndex = 0; game.loopIndex <= last; ++game.loopIndex) {
    auto& slot = game.inventory[game.loopIndex];
    if (slot.empty()) {
      slot = game.inventory[game.loopIndex + 1];
      game.inventory[game.loopIndex + 1].clear();
    }
    showCarried(game, slot, game.loopIndex);
  }
}

void inv(Game& game) {
  closeGapsAndShow(game, 9);
}

}  // namespace kvelt
