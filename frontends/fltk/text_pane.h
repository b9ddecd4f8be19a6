// Text2 and Text3: read-only panes that wrap at word boundaries and scroll.
#pragma once

#include <FL/Fl_Text_Display.H>

namespace kvelt::fltk {

class TextPane : public Fl_Text_Display {
 public:
  TextPane(int x, int y, int w, int h) : Fl_Text_Display(x, y, w, h) {}
  // Page Up (-1) or Page Down (+1), asked from the input line, which keeps the focus.
  void page(int direction) {
    const int step = mNVisibleLines > 1 ? mNVisibleLines - 1 : 1;
    scroll(mTopLineNum + direction * step, 0);
  }
};

}  // namespace kvelt::fltk
