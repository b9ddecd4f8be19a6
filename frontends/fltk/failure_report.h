// How the window program tells a failure that ends it.
#pragma once

#include "common/engine.h"

namespace kvelt::fltk {

// The catalogue could not be read. Writes "kvelt: cannot read the catalogue PATH: REASON" to
// standard error and, when a display is open, shows a message box too, in Czech with that
// technical reason under it: a game started from a desktop menu has no terminal to read.
void reportCatalogueFailure(const Status& status);

}  // namespace kvelt::fltk
