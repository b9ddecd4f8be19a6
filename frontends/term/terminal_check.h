// Whether kvelt-term can draw at all, asked before curses takes the terminal over.
#pragma once

#include <string>

namespace kvelt::term {

// Why the window's layout cannot be shown here: standard input or output is not a terminal,
// $TERM is unknown, or the terminal cannot put the cursor anywhere (as "dumb" cannot). Empty
// when it can.
std::string whyNoScreen();

// Whether the terminal curses has set up draws lines at all (terminfo's acsc): with a UTF-8
// locale it then shows the box-drawing characters too. Call it only while curses runs.
bool terminalDrawsLines();

}  // namespace kvelt::term
