// Xlib stays in this file: its headers define names (Status, Window) that the game uses.
#include "x_display.h"

#include <FL/x.H>

#include <cstdlib>

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

double desktopDotsPerInch() {
  if (fl_display == nullptr) return 0;
  if (const char* xft = XGetDefault(fl_display, "Xft", "dpi")) {
    char* end = nullptr;
    const double dpi = std::strtod(xft, &end);
    if (end != xft && dpi > 0) return dpi;
  }
  const int screen = DefaultScreen(fl_display);
  const int millimetres = DisplayWidthMM(fl_display, screen);
  if (millimetres <= 0) return 0;
  return DisplayWidth(fl_display, screen) * 25.4 / millimetres;
}

}  // namespace kvelt::fltk
