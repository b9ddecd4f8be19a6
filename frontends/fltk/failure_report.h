// How the window program tells a failure that ends it.
#pragma once

#include <string>

#include "shell/status.h"

namespace kvelt::fltk {

// "cannot read the catalogue PATH: REASON"
std::string catalogueFailure(const Status& status);

// Writes "kvelt: TEXT" to standard error and, when a display is open, shows it in a message box
// too: a game started from a desktop menu has no terminal to read.
void reportFailure(const std::string& text);

}  // namespace kvelt::fltk
