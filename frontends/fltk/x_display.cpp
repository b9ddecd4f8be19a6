// Xlib stays in this file: its headers define names (Status, Window) that the game uses.
#include "x_display.h"

#include <FL/x.H>

namespace kvelt::fltk {

bool openDisplay() {
  ::Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  fl_open_display(display);
  return true;
}

bool displayOpen() {
  return fl_display != nullptr;
}

}  // namespace kvelt::fltk
