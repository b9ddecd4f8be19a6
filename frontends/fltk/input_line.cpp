// Keys of the input line that the game gives a meaning to; the rest is plain editing.
#include "input_line.h"

#include <FL/Fl.H>

#include <string>

#include "key_chord.h"

namespace kvelt::fltk {

InputLine::InputLine(int x, int y, int w, int h) : Fl_Input(x, y, w, h) {}

void InputLine::replaceLine(const std::string& text) {
  value(text.c_str());
  position(size());
}

bool InputLine::controlKey() {
  if ((Fl::event_state() & FL_CTRL) == 0) return false;
  const int key = Fl::event_key();
  // The plus is shifted on many layouts: the key with "=" on it counts, and the keypad's keys.
  if ((key == '+' || key == '=' || key == FL_KP + '+') && onZoom) {
    onZoom(+1);
  } else if ((key == '-' || key == FL_KP + '-') && onZoom) {
    onZoom(-1);
  } else if ((key == '0' || key == FL_KP + '0') && onZoom) {
    onZoom(0);
  } else if (key == 'c' && position() == mark() && onCopy) {
    onCopy();
  } else {
    return false;
  }
  return true;
}

int InputLine::handle(int event) {
  // Tab arrives as a shortcut when FLTK would move the focus; the line keeps it instead.
  if ((event == FL_KEYBOARD || event == FL_SHORTCUT) && Fl::focus() == this) {
    if (onChord && onChord(eventChord())) return 1;
    if (controlKey()) return 1;
    const int key = Fl::event_key();
    // The page keys and F4 only read on: they leave a question and Tab's choices standing.
    if (onKey && key != FL_Page_Up && key != FL_Page_Down && key != FL_F + 4 &&
        !isModifierEvent()) {
      onKey();
    }
    switch (key) {
      case FL_Enter:
      case FL_KP_Enter: {
        std::string line = value();
        history_.add(line);
        if (onEnter) onEnter(line);
        return 1;
      }
      case FL_Up:
        if (auto line = history_.older(value())) replaceLine(*line);
        return 1;
      case FL_Down:
        if (auto line = history_.newer()) replaceLine(*line);
        return 1;
      case FL_Page_Up:
      case FL_Page_Down: {
        const auto& pageMove = (Fl::event_state() & FL_SHIFT) != 0 ? onStatusPage : onPage;
        if (pageMove) pageMove(key == FL_Page_Up ? -1 : 1);
        return 1;
      }
      case FL_Escape:
        if (onEscape) onEscape();
        return 1;
      case FL_F + 4:  // the rest of a long status line, as in the other programs
        if (onStatusPage) onStatusPage(0);
        return 1;
      case FL_F + 1:
        if ((Fl::event_state() & FL_SHIFT) == 0 || !onWarningsKey) break;
        onWarningsKey();
        return 1;
      case FL_Tab:
        if (onComplete) replaceLine(onComplete(value()));
        return 1;
      default:
        break;
    }
  }
  const std::string before = value();
  const int handled = Fl_Input::handle(event);
  if (onEdited && before != value()) onEdited();
  return handled;
}

}  // namespace kvelt::fltk
