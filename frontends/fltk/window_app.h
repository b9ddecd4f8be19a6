// The window program: its arguments, the display, the game's folders, and the event loop.
#pragma once

#include <string>
#include <vector>

namespace kvelt::fltk {

// Runs kvelt with its arguments (without the program name). Returns the exit status.
int runWindowApp(const std::vector<std::string>& args);

}  // namespace kvelt::fltk
