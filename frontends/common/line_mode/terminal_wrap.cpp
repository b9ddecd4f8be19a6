// Breaking the line mode's pages at blanks to the width of the terminal.
#include "common/line_mode/terminal_wrap.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdlib>

#include "common/engine.h"

namespace kvelt {
namespace {

constexpr int kDefaultColumns = 80;

// One line of the text, without its end, appended to `out` in rows of at most `columns`.
void wrapLine(std::u32string_view line, std::size_t columns, std::u32string& out) {
  while (line.size() > columns) {
    std::size_t cut = line.rfind(U' ', columns);
    // Blanks that open the line indent it; a break there would only move the word down.
    const bool indentOnly = cut != std::u32string_view::npos && line.find_first_not_of(U' ') > cut;
    if (cut == std::u32string_view::npos || cut == 0 || indentOnly) {
      out.append(line.substr(0, columns));
      line.remove_prefix(columns);
    } else {
      std::size_t end = cut;
      while (end > 0 && line[end - 1] == U' ') --end;
      out.append(line.substr(0, end));
      line.remove_prefix(cut + 1);
    }
    out += U'\n';
  }
  out.append(line);
}

}  // namespace

int terminalColumns() {
  winsize size{};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  if (const char* columns = std::getenv("COLUMNS")) {
    const int parsed = std::atoi(columns);
    if (parsed > 0) return parsed;
  }
  return kDefaultColumns;
}

std::string wrapAtBlanks(std::string_view text, int columns) {
  const std::size_t width = columns > 0 ? static_cast<std::size_t>(columns) : 1;
  const std::u32string letters = decodeUtf8(text);
  std::u32string out;
  std::u32string_view rest = letters;
  for (;;) {
    const std::size_t end = rest.find(U'\n');
    wrapLine(rest.substr(0, end), width, out);
    if (end == std::u32string_view::npos) break;
    out += U'\n';
    rest.remove_prefix(end + 1);
  }
  return encodeUtf8(out);
}

}  // namespace kvelt
