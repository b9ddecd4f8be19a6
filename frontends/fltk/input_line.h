// The input line Text1: Enter sends the line, Up and Down walk the history, Tab completes,
// Page Up and Page Down scroll the narration (with Shift the status line), Esc and the comfort
// keys (undo, a new game, the map...) go to the window; Ctrl+plus, Ctrl+minus and Ctrl+0 scale the
// window and Ctrl+C copies the narration's selection when the line has none.
#pragma once

#include <FL/Fl_Input.H>

#include <functional>
#include <string>

#include "common/comfort_keys.h"
#include "common/input_history.h"

namespace kvelt::fltk {

class InputLine : public Fl_Input {
 public:
  InputLine(int x, int y, int w, int h);
  // Called with the whole line when the player presses Enter.
  std::function<void(const std::string&)> onEnter;
  // Given the line, returns it completed (Tab).
  std::function<std::string(const std::string&)> onComplete;
  // Called with -1 for Page Up and +1 for Page Down; with Shift held, onStatusPage instead,
  // which F4 calls with 0: on, and from the end back to the start.
  std::function<void(int)> onPage;
  std::function<void(int)> onStatusPage;
  // Esc, after onKey.
  std::function<void()> onEscape;
  // Shift+F1, after onKey.
  std::function<void()> onWarningsKey;
  // A key chord that may be a comfort key; true when it was one, and then it does not reach
  // the line.
  std::function<bool(const KeyChord&)> onChord;
  // Before any other key but Page Up and Page Down (modifiers alone do not count).
  std::function<void()> onKey;
  // The player changed the text of the line (typing, deleting, pasting).
  std::function<void()> onEdited;
  // Called with +1 for Ctrl+plus, -1 for Ctrl+minus and 0 for Ctrl+0.
  std::function<void(int)> onZoom;
  // Ctrl+C while nothing is selected in the line.
  std::function<void()> onCopy;

  int handle(int event) override;

 private:
  void replaceLine(const std::string& text);
  // The Ctrl key combinations above; false for any other key.
  bool controlKey();
  kvelt::InputHistory history_;
};

}  // namespace kvelt::fltk
