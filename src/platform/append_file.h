// A file opened to have text added at its end, by a UTF-8 path on every system.
#pragma once

#include <cstdio>
#include <string>

namespace kvelt {

// The file, created when it does not exist, open for appending in binary; nullptr when it
// cannot be opened. C streams rather than std::ofstream: on Windows the file streams bring the
// C++ locale machinery into the program, half a megabyte that nothing else uses.
std::FILE* openForAppend(const std::string& path);

}  // namespace kvelt
