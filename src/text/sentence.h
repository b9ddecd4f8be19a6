// Comparing the typed line with a sentence made of pieces, without building the sentence.
#pragma once

#include <initializer_list>
#include <optional>
#include <string_view>

namespace kvelt {

// What follows the pieces when `line` begins with them joined together; nothing otherwise.
// Recognition holds the sentences that share a beginning against the rest of the line, so that
// the beginning is compared once rather than for every object word.
inline std::optional<std::string_view> restAfter(std::string_view line,
                                                 std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces) {
    if (line.substr(0, piece.size()) != piece) return std::nullopt;
    line.remove_prefix(piece.size());
  }
  return line;
}

// Whether `line` is exactly the pieces joined together. Recognition asks this hundreds of
// times a turn, so it compares piece by piece instead of allocating every candidate sentence.
inline bool lineIs(std::string_view line, std::initializer_list<std::string_view> pieces) {
  std::optional<std::string_view> rest = restAfter(line, pieces);
  return rest && rest->empty();
}

}  // namespace kvelt
