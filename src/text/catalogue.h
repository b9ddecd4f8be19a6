// The message catalogue: narration printed by line number from scripts.tex.
#pragma once

#include "base/game.h"

namespace kvelt {

inline constexpr const char* kCatalogueFileName = "scripts.tex";

// Whether message `number` replaces the narration pane (otherwise it is appended).
bool replacesPane(Integer number);

// Prints line `number` of the catalogue into Text2. The file is read anew, to its end, on every
// call, so an edited catalogue takes effect at once. A catalogue that cannot be read is fatal.
void showMessage(Game& game, Integer number);

}  // namespace kvelt
