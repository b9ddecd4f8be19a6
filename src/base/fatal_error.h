// The one failure that ends a run: the catalogue cannot be read.
#pragma once

#include <string>

namespace kvelt {

// Thrown inside the engine where the game has no way to go on, and caught where a front end
// calls in (session.cpp), which turns it into a Status. It never reaches a front end.
struct FatalError {
  std::string message;
};

}  // namespace kvelt
