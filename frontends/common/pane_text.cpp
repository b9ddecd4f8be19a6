// The carried-objects pane as a window shows it.
#include "common/pane_text.h"

namespace kvelt {

std::string carriedPaneText(std::string_view text3) {
  while (!text3.empty() && (text3.back() == '\n' || text3.back() == '\r')) {
    text3.remove_suffix(1);
  }
  return std::string(text3);
}

}  // namespace kvelt
