// Line splitting for the catalogue and the save files.
#include "text/lines.h"

#include <cstring>

namespace kvelt {
namespace {

// The first `wanted` in [at, end), or `end`.
const char* find(const char* at, const char* end, char wanted) {
  const void* found = std::memchr(at, wanted, std::size_t(end - at));
  return found != nullptr ? static_cast<const char*>(found) : end;
}

// The first CR or LF in [at, end), or `end`. The LF is looked for first: the CR of a CR LF can
// then only lie in the line before it, which is short.
const char* findLineEnd(const char* at, const char* end) {
  const char* lf = find(at, end, '\n');
  return find(at, lf, '\r');
}

// Where the line after the one ending at `lineEnd` begins: a CR LF counts as one line end.
const char* afterLineEnd(const char* lineEnd, const char* end) {
  return *lineEnd == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n' ? lineEnd + 2 : lineEnd + 1;
}

// Where line `count` + 1 begins after the line that begins at `at`, or nullptr when the text
// ends first. The next CR and the next LF are each looked for again only once the lines have
// passed them, so that a text with only one kind of line end is still read once, not once a line.
const char* skipLines(const char* at, const char* end, std::size_t count) {
  const char* cr = find(at, end, '\r');
  const char* lf = find(at, end, '\n');
  for (; count > 0; --count) {
    if (cr < at) cr = find(at, end, '\r');
    if (lf < at) lf = find(at, end, '\n');
    const char* lineEnd = cr < lf ? cr : lf;
    if (lineEnd == end) return nullptr;
    at = afterLineEnd(lineEnd, end);
  }
  return at;
}

}  // namespace

bool nextLine(std::string_view& text, std::string_view& line) {
  if (text.empty()) return false;
  const char* begin = text.data();
  const char* end = begin + text.size();
  const char* lineEnd = findLineEnd(begin, end);
  line = std::string_view(begin, std::size_t(lineEnd - begin));
  if (lineEnd == end) {
    text = {};
  } else {
    const char* next = afterLineEnd(lineEnd, end);
    text = std::string_view(next, std::size_t(end - next));
  }
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
  const char* at = text.data();
  const char* const end = at + text.size();
  at = skipLines(at, end, number - 1);
  if (at == nullptr) return std::nullopt;
  std::string_view rest(at, std::size_t(end - at));
  std::string_view line;
  if (!nextLine(rest, line)) return std::nullopt;
  return line;
}

}  // namespace kvelt
