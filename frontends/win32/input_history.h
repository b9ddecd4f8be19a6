// The lines the player has sent, recalled with Up and Down in the input line.
#pragma once

#include <string>
#include <vector>

namespace kvelt::win32 {

class InputHistory {
 public:
  // A sent line becomes the newest entry (an empty line or a repeat of the newest is not kept)
  // and recall starts again below the newest.
  void add(const std::wstring& line) {
    if (!line.empty() && (lines_.empty() || lines_.back() != line)) lines_.push_back(line);
    position_ = lines_.size();
  }
  // Up: one line older; stays at the oldest.
  const std::wstring& older() {
    if (position_ > 0) --position_;
    return current();
  }
  // Down: one line newer; below the newest the input line is empty again.
  const std::wstring& newer() {
    if (position_ < lines_.size()) ++position_;
    return current();
  }

 private:
  const std::wstring& current() const {
    static const std::wstring empty;
    return position_ < lines_.size() ? lines_[position_] : empty;
  }
  std::vector<std::wstring> lines_;
  std::size_t position_ = 0;
};

}  // namespace kvelt::win32
