// The status line below the input line: a black strip as large as its text, up to its box. A
// text longer than the box scrolls, with F4 (on, then back to the start), Shift+PgUp and
// Shift+PgDn or the wheel, and its last line then names those keys.
#pragma once

#include <FL/Fl_Widget.H>

#include <string>

#include "common/window_layout.h"

namespace kvelt::fltk {

class StatusLine : public Fl_Widget {
 public:
  explicit StatusLine(int font);
  // The text, measured at the window's scale against the room the layout gives it; an empty
  // text hides the strip. The same text again keeps where it was scrolled to; false when
  // nothing changed.
  bool setText(const std::string& text, int percent);
  const std::string& text() const { return text_; }
  // Up (-1) or down (+1) by what the strip shows less a line; false when already at that end.
  bool scroll(int direction);

  int handle(int event) override;

 protected:
  void draw() override;

 private:
  // Sizes the strip to the text at the current scale.
  void measure();
  int lineHeight() const;
  // Lines of text the strip shows at once; all of them when it is not cut.
  int shownLines() const;

  std::string text_;
  int font_;
  int percent_ = 100;
  int lines_ = 0;  // of the whole text, wrapped
  int first_ = 0;  // the first line shown
  bool cut_ = false;
};

}  // namespace kvelt::fltk
