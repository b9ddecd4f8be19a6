// Whether kvelt-term can draw at all, asked before curses takes the terminal over.
#pragma once

#include <string>

namespace kvelt::term {

// Why the window's layout cannot be shown here: standard input or output is not a terminal,
// $TERM is unknown, or the terminal cannot put the cursor anywhere (as "dumb" cannot). Empty
// when it can.
std::string whyNoScreen();

}  // namespace kvelt::term
