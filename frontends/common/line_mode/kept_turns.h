// kvelt-cli --resume: the game kept after every turn, history and pages included, so that a
// window that opens the folder later can still take turns back; and the kept game put back at
// the start.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/game.h"
#include "common/kept/kept_session.h"

namespace kvelt {

class KeptTurns {
 public:
  KeptTurns(Files& files, std::string dir)
      : kept_(files, std::move(dir), KeptStart::resumeUnlessEnded) {}

  // Reads the folder's kept game.
  void open() { kept_.open(); }
  // After start-up: the kept game in place of the opening, unless it has ended; it then stays
  // kept until the first turn of the new one. The notice, if any, is for the start page.
  std::string resume(Game& game);
  // Around each turn.
  void before(const Game& game) { undo_.record(game); }
  void after(const Game& game, const std::string& line, std::string map);
  // The map's text kept with the resumed game; empty for a new one.
  const std::string& keptMap() const { return kept_.map; }
  std::optional<std::string> takeProblem() { return kept_.takeProblem(); }

 private:
  KeptSession kept_;
  UndoStack undo_;
  PageHistory pages_;
  std::vector<Page> redoPages_;  // none: a line mode takes nothing back
};

}  // namespace kvelt
