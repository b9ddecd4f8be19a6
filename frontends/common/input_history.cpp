// The lines sent in this run, recalled with Up and Down in every front end's input line.
#include "common/input_history.h"

namespace kvelt {

void InputHistory::add(const std::string& line) {
  if (!line.empty() && (lines_.empty() || lines_.back() != line)) lines_.push_back(line);
  position_ = lines_.size();
  draft_.clear();
}

std::optional<std::string> InputHistory::older(const std::string& editing) {
  if (position_ == 0) return std::nullopt;
  if (position_ == lines_.size()) draft_ = editing;
  return lines_[--position_];
}

std::optional<std::string> InputHistory::newer() {
  if (position_ == lines_.size()) return std::nullopt;
  ++position_;
  return position_ == lines_.size() ? draft_ : lines_[position_];
}

}  // namespace kvelt
