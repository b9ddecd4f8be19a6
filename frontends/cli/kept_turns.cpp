// The line mode's kept game.
#include "kept_turns.h"

namespace kvelt {

std::string KeptTurns::resume(Game& game) {
  pages_.add(Page{std::nullopt, game.Text2, game.Text3});
  return kept_.resume(game, undo_, pages_, redoPages_).notice;
}

void KeptTurns::after(const Game& game, const std::string& line) {
  pages_.add(Page{line, game.Text2, game.Text3});
  redoPages_.clear();
  kept_.keep(game, undo_, pages_, redoPages_);
}

}  // namespace kvelt
