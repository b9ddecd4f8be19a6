// A window's kept game.
#include "common/kept/kept_session.h"

#include <utility>

namespace kvelt {

std::string resumedStatus(const KeyNames& keys) {
  return "Pokračuje uchovaná hra; " + keys.newGame + " dvakrát začne novou.";
}

void KeptSession::open() {
  opening_ = keeper_.open();
}

KeptSession::Resumed KeptSession::resume(Game& game, UndoStack& undo, PageHistory& pages,
                                         std::vector<Page>& redoPages) {
  Resumed result{false, std::move(opening_.notice)};
  std::optional<KeptGame> kept = std::move(opening_.kept);
  opening_ = {};
  // A game that ended is resumed too, at its last page, so that the death can be taken back.
  if (!kept || start_ == KeptStart::fresh || kept->game.windowClosed) return result;
  if (start_ == KeptStart::resumeUnlessEnded && kept->game.gameOver != kFalse) return result;
  undo.restore(std::move(kept->done), std::move(kept->undone));
  if (kept->pages.empty())
    kept->pages.push_back(Page{std::nullopt, kept->game.Text2, kept->game.Text3});
  pages.restore(std::move(kept->pages));
  redoPages = std::move(kept->redoPages);
  map = std::move(kept->map);
  hints = std::move(kept->hints);
  resumeRecord(game, std::move(kept->game));
  result.resumed = true;
  return result;
}

void KeptSession::keep(const Game& game, const UndoStack& undo, const PageHistory& pages,
                       const std::vector<Page>& redoPages) {
  KeptView view = keptViewOf(game, undo, pages, redoPages);
  view.map = map;
  view.hints = hints;
  Status kept = keeper_.keep(view);
  if (kept.isOk()) {
    told_ = false;
    problem_.reset();
  } else if (!told_) {
    problem_ = "Hru se nepodařilo uchovat: " + kept.message();
  }
}

std::optional<std::string> KeptSession::takeProblem() {
  if (!problem_) return std::nullopt;
  told_ = true;
  return std::exchange(problem_, std::nullopt);
}

}  // namespace kvelt
