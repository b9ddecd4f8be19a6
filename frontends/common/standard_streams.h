// The program's standard streams, the signals that come with them, and lines read within bounds.
#pragma once

#include <cstdio>
#include <string>

#include "shell/session.h"  // kLineLimit

namespace kvelt {

// Whether a program cannot do without its standard output (the line mode, the terminal).
enum class NeedsOutput { no, yes };

// Ignores SIGPIPE and SIGXFSZ, so that a write into a closed pipe or past the file-size limit
// fails where it is made and is reported there instead of killing the game; and puts /dev/null
// where a standard stream is closed, so that no file opened later takes its number (pages would
// go into the transcript). False, after one line on standard error, when standard output is
// closed and `needs` says the program cannot go on: it then ends with status 1.
bool prepareStandardStreams(const char* program, NeedsOutput needs);

// The next line of `in` without its end (and without the CR of a CR LF). At most one byte over
// kLineLimit is kept, whatever the length of the line, which the game then cuts and says so;
// the rest of the line is read and dropped.
enum class LineRead { line, end, failed };
LineRead readBoundedLine(std::FILE* in, std::string& line);

// Opens a file to append to without waiting: a FIFO that nobody reads fails at once rather than
// blocking the game before its first page. Null, with errno set, on a failure.
std::FILE* openForAppend(const std::string& path);

// Whether the terminal on standard input has gone away (hung up, closed, or at its end), as
// a wait for a key that keeps ending at once without a key would never tell.
bool terminalGone();

}  // namespace kvelt
