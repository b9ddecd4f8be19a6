// Where the save slots live: beside the program, or in %LOCALAPPDATA%\kvelt when installed.
#pragma once

#include <string>

namespace kvelt::win32 {

// `programDir` itself when a file can be created there; otherwise %LOCALAPPDATA%\kvelt, made
// if missing (a game under Program Files cannot write beside itself). UTF-8 paths.
std::string saveFolder(const std::string& programDir);

// Whether a new file can be created in `dir` (tried with a temporary file that is removed).
bool isWritableFolder(const std::string& dir);

}  // namespace kvelt::win32
