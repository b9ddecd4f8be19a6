// What a window keeps of its game between runs: the kept game resumed at start, with its undo
// history and pages, and kept again after every turn and every comfort that changes the game.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/kept/game_keeper.h"
#include "common/turn_status.h"

namespace kvelt {

// Resume the kept game, or start anew (--new) and keep the old one until the first turn. The
// line mode resumes only a game that has not ended: its next Enter would only leave.
enum class KeptStart { resume, resumeUnlessEnded, fresh };

std::string resumedStatus(const KeyNames& keys);

class KeptSession {
 public:
  KeptSession(Files& files, std::string dir, KeptStart start,
              GameKeeper::Claim claim = claimKeptGame)
      : keeper_(files, std::move(dir), claim), start_(start) {}

  // Claims and reads the folder's kept game; run before the opening is shown.
  void open();
  // After the opening: the kept game in its place. The notice tells why a kept game was not
  // resumed or cannot be kept.
  struct Resumed {
    bool resumed = false;
    std::string notice;
  };
  Resumed resume(Game& game, UndoStack& undo, PageHistory& pages, std::vector<Page>& redoPages);
  void keep(const Game& game, const UndoStack& undo, const PageHistory& pages,
            const std::vector<Page>& redoPages);
  // Why the game could not be kept, once for a run of failures.
  std::optional<std::string> takeProblem();

  // The map's text and the hints' state, kept beside the game by those who own them.
  std::string map, hints;

 private:
  GameKeeper keeper_;
  KeptStart start_;
  KeptOpening opening_;
  std::optional<std::string> problem_;
  bool told_ = false;
};

}  // namespace kvelt
