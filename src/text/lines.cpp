// Line splitting for the catalogue and the save files.
#include "text/lines.h"

namespace kvelt {

bool nextLine(std::string_view& text, std::string_view& line) {
  if (text.empty()) return false;
  // A plain scan: find_first_of would look each character up in the set with memchr, which
  // costs several times more on a catalogue read for every message.
  std::size_t end = 0;
  while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
  if (end == text.size()) {
    line = text;
    text = {};
    return true;
  }
  line = text.substr(0, end);
  bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
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
