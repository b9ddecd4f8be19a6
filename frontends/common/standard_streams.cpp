// Reading lines within bounds, the same on every system.
#include "common/standard_streams.h"

#include "shell/session.h"

namespace kvelt {

LineRead readBoundedLine(std::FILE* in, std::string& line) {
  line.clear();
  int c = 0;
  std::size_t length = 0;
  int last = 0;
  while ((c = std::getc(in)) != EOF && c != '\n') {
    if (length++ <= kLineLimit) line += char(c);
    last = c;
  }
  if (c == EOF && std::ferror(in) != 0) return LineRead::failed;
  if (c == EOF && length == 0) return LineRead::end;
  // The CR of a CR LF is no part of the line; in a line too long it is cut off anyway.
  if (last == '\r' && length == line.size()) line.pop_back();
  return LineRead::line;
}

}  // namespace kvelt
