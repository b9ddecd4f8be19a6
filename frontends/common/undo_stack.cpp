// Taking turns back and playing them again.
#include "common/undo_stack.h"

namespace kvelt {

void restoreRecord(Game& live, const Game& snapshot) {
  Platform platform = live.platform;
  live = snapshot;
  live.platform = platform;
}

void UndoStack::record(const Game& before) {
  done_.push_back(before);
  if (done_.size() > limit_) done_.pop_front();
  undone_.clear();
}

bool UndoStack::undo(Game& live) {
  if (done_.empty()) return false;
  undone_.push_back(live);
  restoreRecord(live, done_.back());
  done_.pop_back();
  return true;
}

bool UndoStack::forget(Game& live) {
  if (done_.empty()) return false;
  restoreRecord(live, done_.back());
  done_.pop_back();
  return true;
}

bool UndoStack::redo(Game& live) {
  if (undone_.empty()) return false;
  done_.push_back(live);
  restoreRecord(live, undone_.back());
  undone_.pop_back();
  return true;
}

void UndoStack::restore(std::vector<Game> done, std::vector<Game> undone) {
  clear();
  // A history kept by a program with a longer one is cut to this one's, oldest turns first.
  const std::size_t skip = done.size() > limit_ ? done.size() - limit_ : 0;
  for (std::size_t i = skip; i < done.size(); ++i) done_.push_back(std::move(done[i]));
  undone_ = std::move(undone);
}

void UndoStack::clear() {
  done_.clear();
  undone_.clear();
}

}  // namespace kvelt
