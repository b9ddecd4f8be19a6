// The carried-objects pane as a window shows it.
#include "common/pane_text.h"

#include "text/lines.h"

namespace kvelt {

std::string carriedPaneText(std::string_view text3) {
  while (!text3.empty() && (text3.back() == '\n' || text3.back() == '\r')) {
    text3.remove_suffix(1);
  }
  return std::string(text3);
}

std::string withNewlines(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

std::string carriedLines(std::string_view text3) {
  std::string out;
  for (std::string_view line : splitLines(text3)) {
    if (!line.empty()) out.append(line).append("\n");
  }
  return out;
}

}  // namespace kvelt
