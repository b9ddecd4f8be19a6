// The input line Text1: Enter sends the line, Up and Down walk the history, Tab completes,
// Page Up and Page Down scroll the narration.
#pragma once

#include <FL/Fl_Input.H>

#include <functional>
#include <string>

#include "common/input_history.h"

namespace kvelt::fltk {

class InputLine : public Fl_Input {
 public:
  InputLine(int x, int y, int w, int h);
  // Called with the whole line when the player presses Enter.
  std::function<void(const std::string&)> onEnter;
  // Given the line, returns it completed (Tab).
  std::function<std::string(const std::string&)> onComplete;
  // Called with -1 for Page Up and +1 for Page Down.
  std::function<void(int)> onPage;

  int handle(int event) override;

 private:
  void replaceLine(const std::string& text);
  kvelt::InputHistory history_;
};

}  // namespace kvelt::fltk
