// Appending a line to one of the window's panes.
#pragma once

#include <string>
#include <string_view>

namespace kvelt {

inline constexpr std::string_view kPaneLineEnd = "\r\n";

// The pane's old text, CR LF and the new line: what every printed line of the game does,
// except a fragment that continues the last line (" Vidíš") and a message that starts a page.
inline void appendLine(std::string& pane, std::string_view line) {
  pane += kPaneLineEnd;
  pane += line;
}

}  // namespace kvelt
