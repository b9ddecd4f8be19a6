// Text2 and Text3: read-only panes that wrap at word boundaries and scroll.
#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Text_Display.H>

#include <functional>

namespace kvelt::fltk {

class TextPane : public Fl_Text_Display {
 public:
  TextPane(int x, int y, int w, int h) : Fl_Text_Display(x, y, w, h) {}
  // Page Up (-1) or Page Down (+1), asked from the input line, which keeps the focus. False
  // when the page is already at that end.
  bool page(int direction) {
    const int step = mNVisibleLines > 1 ? mNVisibleLines - 1 : 1;
    const int top = mTopLineNum;
    scroll(mTopLineNum + direction * step, 0);
    return mTopLineNum != top;
  }
  // The wheel turned on past the top (-1) or the end (+1) of the text.
  std::function<void(int)> onWheelPastEnd;

  int handle(int event) override {
    if (event != FL_MOUSEWHEEL || Fl::event_dy() == 0 || !onWheelPastEnd) {
      return Fl_Text_Display::handle(event);
    }
    const int top = mTopLineNum;
    Fl_Text_Display::handle(event);
    if (mTopLineNum == top) onWheelPastEnd(Fl::event_dy() < 0 ? -1 : 1);
    return 1;
  }
};

}  // namespace kvelt::fltk
