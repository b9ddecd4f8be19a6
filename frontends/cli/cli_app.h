// The line mode: one line of standard input per Enter, for scripts, tests and screen readers.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace kvelt {

// Runs kvelt-cli with its arguments (without the program name). Returns the exit status.
// C streams rather than iostreams: the C++ streams' locale set-up alone cost the line mode
// most of its start-up and a third of its memory.
int runCli(const std::vector<std::string>& args, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace kvelt
