// Splitting file text into lines the way the game's files are read.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace kvelt {

// A line ends at CR LF, at a lone CR or at a lone LF; the end is not part of the line. A last
// line without an end still counts; text that ends with a line end has no empty line after it.
std::vector<std::string_view> splitLines(std::string_view text);

// Line `number` (counted from 1) under the same rules, without splitting the rest; nothing when
// the text has fewer lines.
std::optional<std::string_view> nthLine(std::string_view text, std::size_t number);
// Takes the next line off the front of `text` by the same rule, for readers that stop early.
// Returns false when `text` holds no more lines.
bool nextLine(std::string_view& text, std::string_view& line);

}  // namespace kvelt
