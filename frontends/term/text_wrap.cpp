// Breaking UTF-8 text into terminal rows by display width.
#include "text_wrap.h"

#include <cwchar>

#include "common/engine.h"

namespace kvelt::term {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void wrapLine(std::u32string_view line, int width, std::vector<std::u32string>& rows) {
  std::u32string row;
  int rowWidth = 0;
  std::size_t i = 0;
  bool firstRow = true;
  while (i < line.size()) {
    std::size_t wordStart = i;
    while (wordStart < line.size() && line[wordStart] == U' ') ++wordStart;
    std::size_t wordEnd = wordStart;
    while (wordEnd < line.size() && line[wordEnd] != U' ') ++wordEnd;
    std::u32string_view blanks = line.substr(i, wordStart - i);
    std::u32string_view word = line.substr(wordStart, wordEnd - wordStart);
    i = wordEnd;

    const int blanksWidth = static_cast<int>(blanks.size());
    const int wordWidth = displayWidth(word);
    if (rowWidth + blanksWidth + wordWidth <= width) {
      row += blanks;
      row += word;
      rowWidth += blanksWidth + wordWidth;
      continue;
    }
    // Blanks that open the text's line stay even when they fill the row.
    if (row.empty() && firstRow && blanksWidth > 0) {
      row = clipToWidth(blanks, width);
      rowWidth = static_cast<int>(row.size());
    }
    if (!row.empty()) {
      rows.push_back(std::move(row));
      row.clear();
      rowWidth = 0;
      firstRow = false;
    }
    while (wordWidth > width && !word.empty()) {
      std::u32string piece = clipToWidth(word, width);
      if (piece.empty()) piece = word.substr(0, 1);  // a wide letter in a one-column row
      word.remove_prefix(piece.size());
      if (word.empty()) {
        row = std::move(piece);
        rowWidth = displayWidth(row);
        break;
      }
      rows.push_back(std::move(piece));
    }
    if (row.empty() && !word.empty()) {
      row = word;
      rowWidth = displayWidth(word);
    }
  }
  rows.push_back(std::move(row));
}

}  // namespace

char32_t printable(char32_t point) {
  return ::wcwidth(static_cast<wchar_t>(point)) < 0 ? kReplacement : point;
}

int displayWidth(char32_t point) {
  const int width = ::wcwidth(static_cast<wchar_t>(point));
  return width < 0 ? 1 : width;
}

int displayWidth(std::u32string_view text) {
  int width = 0;
  for (char32_t point : text) width += displayWidth(point);
  return width;
}

std::vector<std::u32string> wrapText(std::string_view text, int width) {
  std::vector<std::u32string> rows;
  if (width < 1) return rows;
  for (std::string_view line : splitLines(text)) {
    std::u32string points = decodeUtf8(line);
    for (char32_t& point : points) point = point == U'\t' ? U' ' : printable(point);
    wrapLine(points, width, rows);
  }
  return rows;
}

std::u32string clipToWidth(std::u32string_view text, int width) {
  std::u32string out;
  int used = 0;
  for (char32_t point : text) {
    const int next = displayWidth(point);
    if (used + next > width) break;
    out += point;
    used += next;
  }
  return out;
}

}  // namespace kvelt::term
