// The input line's history of sent lines.
#include "input_history.h"

namespace kvelt::fltk {

void InputHistory::add(const std::string& line) {
  if (!line.empty() && (lines_.empty() || lines_.back() != line)) lines_.push_back(line);
  position_ = lines_.size();
  editing_.clear();
}

std::string InputHistory::older(const std::string& editing) {
  if (lines_.empty()) return editing;
  if (position_ == lines_.size()) editing_ = editing;
  if (position_ > 0) --position_;
  return lines_[position_];
}

std::string InputHistory::newer() {
  if (position_ >= lines_.size()) return editing_;
  ++position_;
  return position_ == lines_.size() ? editing_ : lines_[position_];
}

}  // namespace kvelt::fltk
