// Failures that end the window program: standard error first, then a message box.
#include "failure_report.h"

#include <FL/fl_ask.H>

#include <iostream>

#include "layout.h"
#include "x_display.h"

namespace kvelt::fltk {

std::string catalogueFailure(const Status& status) {
  return "cannot read the catalogue " + status.message();
}

void reportFailure(const std::string& text) {
  std::cerr << "kvelt: " << text << std::endl;
  if (!displayOpen()) return;
  fl_message_title(kTitle);
  fl_alert("%s", text.c_str());
}

}  // namespace kvelt::fltk
