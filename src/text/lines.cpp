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
  if (number == 0) return std::nullopt;
  // The lines before the wanted one are skipped with pointers alone: the catalogue is searched
  // for every message, and this loop is most of what a message costs beyond reading the file.
  const char* at = text.data();
  const char* const end = at + text.size();
  for (std::size_t n = 1; n < number; ++n) {
    if (at == end) return std::nullopt;
    const char* lf = static_cast<const char*>(std::memchr(at, '\n', std::size_t(end - at)));
    const char* limit = lf != nullptr ? lf : end;
    const char* cr = static_cast<const char*>(std::memchr(at, '\r', std::size_t(limit - at)));
    if (cr == nullptr) {
      if (lf == nullptr) return std::nullopt;  // that was the last line
      at = lf + 1;
    } else {
      at = cr + 1 == lf ? lf + 1 : cr + 1;
    }
  }
  std::string_view rest(at, std::size_t(end - at));
  std::string_view line;
  if (!nextLine(rest, line)) return std::nullopt;
  return line;
}

}  // namespace kvelt
