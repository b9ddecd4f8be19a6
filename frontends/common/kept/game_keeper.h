// Keeping the game in play between runs: the kept file read at start, written after every turn.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "base/files.h"
#include "base/status.h"
#include "common/kept/kept_file.h"
#include "common/kept/kept_lock.h"
#include "common/page_history.h"
#include "common/undo_stack.h"

namespace kvelt {

// What the folder held at start.
struct KeptOpening {
  std::optional<KeptGame> kept;  // the game to resume; nothing for a new one
  std::string notice;            // for the status line: set aside, or in use by another program
};

inline constexpr const char* kKeptInUse =
    "Uchovanou hru má otevřenou jiné okno; tahy této hry se neuchovávají.";

// A game played with undo and earlier pages, as the kept file takes it.
KeptView keptViewOf(const Game& live, const UndoStack& undo, const PageHistory& pages,
                    const std::vector<Page>& redoPages);

// Puts the kept record in place of the game just started: the platform and the screen size to
// put back at the end stay those of this run.
void resumeRecord(Game& live, Game kept);

class GameKeeper {
 public:
  using Claim = std::unique_ptr<KeptLock> (*)(const std::string& path);

  GameKeeper(Files& files, std::string dir, Claim claim = claimKeptGame);

  // Claims the folder's kept game and reads it; run once, at start. A file that cannot be read,
  // is damaged or was written by a newer version is set aside under a name of its own, never
  // removed, and the game starts anew.
  KeptOpening open();
  // Writes the game as it stands, crash-safely: after a kill the file holds this turn or the
  // one before. A failure is returned, and the next turn tries again.
  Status keep(const KeptView& view);
  // Turns are kept only by the program that holds the folder's game.
  bool keeping() const { return keeping_; }
  // The size of the file last written.
  std::size_t keptSize() const { return bytes_.size(); }

 private:
  std::string path(const std::string& name) const { return joinPath(dir_, name); }
  std::string setAside(const std::vector<DirEntry>& entries);

  Files& files_;
  std::string dir_;
  Claim claim_;
  std::unique_ptr<KeptLock> lock_;
  bool keeping_ = false;
  std::string bytes_;  // the file being written, its room kept from turn to turn
};

}  // namespace kvelt
