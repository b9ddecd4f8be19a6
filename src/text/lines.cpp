// Line splitting for the catalogue and the save files.
#include "text/lines.h"

namespace kvelt {

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(text.substr(start, i - start));
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::optional<std::string_view> nthLine(std::string_view text, std::size_t number) {
  if (number == 0) return std::nullopt;
  std::size_t start = 0;
  for (std::size_t line = 1; start < text.size(); ++line) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    if (line == number) return text.substr(start, end - start);
    if (end == text.size()) break;
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  return std::nullopt;
}

}  // namespace kvelt
