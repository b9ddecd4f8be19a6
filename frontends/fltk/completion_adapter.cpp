// TEMPORARY ADAPTER until the engine's completion module (shell/completion.h) is merged: Tab
// leaves the line as it is. Replace the body with completeLine(line, visibleWords(game)).
#include "completion_adapter.h"

namespace kvelt::fltk {

std::string completeInputLine(const Game&, const std::string& line) {
  return line;
}

}  // namespace kvelt::fltk
