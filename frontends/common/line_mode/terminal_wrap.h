// Text for a terminal that breaks long lines wherever the edge falls: broken at blanks instead.
#pragma once

#include <string>
#include <string_view>

namespace kvelt {

// The columns of the terminal on standard output now (it may have been resized since the last
// page), else $COLUMNS, else 80.
int terminalColumns();

// `text` (lines ended by LF) with every line longer than `columns` letters broken at its last
// blank that fits; the blank gives way to the line end. A word longer than a whole line is cut.
std::string wrapAtBlanks(std::string_view text, int columns);

}  // namespace kvelt
