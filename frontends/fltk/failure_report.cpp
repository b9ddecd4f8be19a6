// Failures that end the window program: standard error first, then a message box.
#include "failure_report.h"

#include <FL/fl_ask.H>

#include <iostream>
#include <string>

#include "layout.h"
#include "x_display.h"

namespace kvelt::fltk {
namespace {

constexpr const char* kCatalogueHeadline =
    "Hra nemůže pokračovat: soubor s jejími texty nelze přečíst.";
constexpr const char* kCloseButton = "Zavřít";

}  // namespace

void reportCatalogueFailure(const Status& status) {
  const std::string reason = "cannot read the catalogue " + status.message();
  std::cerr << "kvelt: " << reason << std::endl;
  if (!displayOpen()) return;
  fl_message_title(kTitle);
  fl_close = kCloseButton;
  fl_alert("%s\n\n%s", kCatalogueHeadline, reason.c_str());
}

}  // namespace kvelt::fltk
