// Comparing the typed line with a sentence made of pieces, without building the sentence.
#pragma once

#include <initializer_list>
#include <string_view>

namespace kvelt {

// Whether `line` is exactly the pieces joined together. Recognition asks this hundreds of
// times a turn, so it compares piece by piece instead of allocating every candidate sentence.
inline bool lineIs(std::string_view line, std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces) {
    if (line.substr(0, piece.size()) != piece) return false;
    line.remove_prefix(piece.size());
  }
  return line.empty();
}

}  // namespace kvelt
