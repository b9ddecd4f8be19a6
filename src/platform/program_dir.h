// Where the running program lives: the catalogue and the save files sit beside it.
#pragma once

#include <string>

namespace kvelt {

// The directory that holds the executable (not the working directory). Empty if unknown.
std::string programDir();

}  // namespace kvelt
