// The lines sent from the input line, walked back and forth with Up and Down.
#pragma once

#include <string>
#include <vector>

namespace kvelt::fltk {

class InputHistory {
 public:
  // A sent line; an empty line or a repeat of the last one is not kept twice.
  void add(const std::string& line);
  // Up: the line before, starting from the newest. `editing` is kept so that Down past the
  // newest line gives back what was being typed.
  std::string older(const std::string& editing);
  // Down: the line after, and in the end the line that was being typed.
  std::string newer();

 private:
  std::vector<std::string> lines_;
  std::size_t position_ = 0;  // lines_.size() means: not walking the history
  std::string editing_;
};

}  // namespace kvelt::fltk
