// The line mode: one line of standard input per Enter, for scripts, tests and screen readers.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kvelt {

// Runs kvelt-cli with its arguments (without the program name). Returns the exit status.
int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace kvelt
