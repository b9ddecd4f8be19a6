// kvelt-cli --resume: the game kept after every turn, history and pages included, so that a
// window that opens the folder later can still take turns back; and the kept game put back at
// the start.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/game.h"
#include "common/game_keeper.h"

namespace kvelt {

class KeptTurns {
 public:
  KeptTurns(Files& files, std::string dir) : keeper_(files, std::move(dir)) {}

  // Reads the folder's kept game; the notice, if any, is for the start page.
  std::string open();
  // After start-up: the kept game in place of the opening. A game that has ended is not
  // resumed; it stays kept until the first turn of the new one.
  void resume(Game& game);
  // Around each turn.
  void before(const Game& game) { undo_.record(game); }
  void after(const Game& game, const std::string& line);
  // Why the last turn could not be kept; nothing when it was, or after it has been told once.
  std::optional<std::string> takeProblem();

 private:
  GameKeeper keeper_;
  std::optional<KeptGame> kept_;
  UndoStack undo_;
  PageHistory pages_;
  std::string map_, hints_;  // what other programs keep beside the game, passed on as it is
  std::optional<std::string> problem_;
  bool told_ = false;
};

}  // namespace kvelt
