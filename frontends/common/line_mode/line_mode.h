// The line mode: one line of standard input per Enter, for scripts, tests and screen readers.
// kvelt-cli is this mode alone; kvelt-term falls back to it where it cannot draw.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace kvelt {

// Runs the line mode with kvelt-cli's arguments (without the program name). Returns the exit
// status.
// C streams rather than iostreams: the C++ streams' locale set-up alone cost the line mode
// most of its start-up and a third of its memory.
int runLineMode(const std::vector<std::string>& args, std::FILE* in, std::FILE* out,
                std::FILE* err);

}  // namespace kvelt
