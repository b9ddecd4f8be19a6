// Breaking UTF-8 text into terminal rows by display width.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kvelt::term {

// Columns a character takes on the terminal (needs a UTF-8 locale). Characters the terminal
// cannot show count as one column; `printable` turns them into U+FFFD.
int displayWidth(char32_t point);
int displayWidth(std::u32string_view text);
char32_t printable(char32_t point);

// The pane's text in rows of at most `width` columns: a new row at every line end (CR LF, CR
// or LF), and further rows at blanks; a word longer than a row is cut. Blanks at a break are
// dropped; blanks that start a line of the text stay.
std::vector<std::u32string> wrapText(std::string_view text, int width);

// The longest beginning of `text` that fits in `width` columns.
std::u32string clipToWidth(std::u32string_view text, int width);

}  // namespace kvelt::term
