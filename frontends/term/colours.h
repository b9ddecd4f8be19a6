// The window's colours on a terminal's palette.
#pragma once

#include "common/engine.h"
#include "common/window_layout.h"

namespace kvelt::term {

struct PaletteColour {
  short index = 0;
  bool bright = false;  // shown with the bold attribute, which lights up the eight basic ones
};

// The palette entry that stands for `colour` on a terminal with `colours` colours (8, 16 or
// 256) that cannot redefine them. The nearest entry by distance would turn the light yellow
// into white and the input line's violet into navy, the very colour start-up replaces, so the
// window's own colours have entries of their own; others take the nearest.
PaletteColour paletteColour(Rgb colour, int colours);

}  // namespace kvelt::term
