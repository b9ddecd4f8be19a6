// Taking turns back and playing them again: whole copies of the game record.
#pragma once

#include <cstddef>
#include <deque>
#include <vector>

#include "base/game.h"

namespace kvelt {

// Puts `snapshot` into `live`, panes and all, but keeps the live game's platform: the window,
// the display and the files a front end handed over stay the ones in use.
void restoreRecord(Game& live, const Game& snapshot);

// The game as it was before each of the last turns. The record is plain data, so a copy is the
// whole game; nothing on disk is touched, and the engine never learns of it.
class UndoStack {
 public:
  static constexpr std::size_t kDefaultLimit = 200;
  explicit UndoStack(std::size_t limit = kDefaultLimit) : limit_(limit) {}

  // The game just before an Enter. A new turn makes the turns taken back unreachable.
  void record(const Game& before);
  // Back to the game before the last turn; the live game can be played again with redo.
  // False when there is nothing to take back.
  bool undo(Game& live);
  bool redo(Game& live);
  // Back to the game before the last turn, as if that turn had never been played: it cannot be
  // played again with redo.
  bool forget(Game& live);
  bool canUndo() const { return !done_.empty(); }
  bool canRedo() const { return !undone_.empty(); }
  std::size_t depth() const { return done_.size(); }
  void clear();

  // The history as it stands, for keeping it between runs, and put back from there.
  const std::deque<Game>& done() const { return done_; }
  const std::vector<Game>& undone() const { return undone_; }
  void restore(std::vector<Game> done, std::vector<Game> undone);

 private:
  std::size_t limit_;
  std::deque<Game> done_;     // oldest first
  std::vector<Game> undone_;  // the most recently taken back last
};

}  // namespace kvelt
