// The full-screen terminal front end: the window's layout drawn with curses.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kvelt::term {

// Runs kvelt-term with its arguments (without the program name). Returns the exit status.
int runTerm(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kvelt::term
