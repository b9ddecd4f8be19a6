// Line splitting for the catalogue and the save files.
#include "text/lines.h"

#include <cstring>

namespace kvelt {

bool nextLine(std::string_view& text, std::string_view& line) {
  if (text.empty()) return false;
  // memchr finds the LF, then the CR within what comes before it: two vectorised scans of one
  // line, where a byte-by-byte loop or find_first_of costs several times more on a catalogue
  // read for every message.
  const char* begin = text.data();
  const std::size_t size = text.size();
  const void* lf = std::memchr(begin, '\n', size);
  const std::size_t lfAt = lf != nullptr ? std::size_t(static_cast<const char*>(lf) - begin) : size;
  const void* cr = std::memchr(begin, '\r', lfAt);
  const std::size_t end = cr != nullptr ? std::size_t(static_cast<const char*>(cr) - begin) : lfAt;
  if (end == size) {
    line = text;
    text = {};
    return true;
  }
  line = text.substr(0, end);
  const bool crLf = text[end] == '\r' && end + 1 == lfAt && lfAt < size;
  text.remove_prefix(end + (crLf ? 2 : 1));
  return true;
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::string_view line;
  while (nextLine(text, line)) lines.push_back(line);
  return lines;
}

std::optional<std::string_view> nthLine(std::string_view text, std::size_t number) {
  std::string_view line;
  for (std::size_t n = 1; nextLine(text, line); ++n) {
    if (n == number) return line;
  }
  return std::nullopt;
}

}  // namespace kvelt
