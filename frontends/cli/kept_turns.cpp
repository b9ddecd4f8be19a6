// The line mode's kept game.
#include "kept_turns.h"

namespace kvelt {

std::string KeptTurns::open() {
  KeptOpening opening = keeper_.open();
  kept_ = std::move(opening.kept);
  return opening.notice;
}

void KeptTurns::resume(Game& game) {
  if (kept_ && kept_->game.gameOver == kFalse && !kept_->game.windowClosed) {
    undo_.restore(std::move(kept_->done), std::move(kept_->undone));
    pages_.restore(std::move(kept_->pages));
    map_ = std::move(kept_->map);
    hints_ = std::move(kept_->hints);
    resumeRecord(game, std::move(kept_->game));
  }
  kept_.reset();
  if (pages_.size() == 0) pages_.add(Page{std::nullopt, game.Text2, game.Text3});
}

void KeptTurns::after(const Game& game, const std::string& line) {
  pages_.add(Page{line, game.Text2, game.Text3});
  KeptView view = keptViewOf(game, undo_, pages_, {});
  view.map = map_;
  view.hints = hints_;
  Status kept = keeper_.keep(view);
  if (kept.isOk()) {
    told_ = false;
    problem_.reset();
  } else if (!told_) {
    problem_ = kept.message();
  }
}

std::optional<std::string> KeptTurns::takeProblem() {
  if (!problem_) return std::nullopt;
  told_ = true;
  return std::exchange(problem_, std::nullopt);
}

}  // namespace kvelt
