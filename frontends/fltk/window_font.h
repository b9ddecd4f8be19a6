// The font all five controls write in.
#pragma once

namespace kvelt::fltk {

// Arial where it is installed, else the metric-compatible Liberation Sans, so that the texts
// fit the layout as designed; FLTK's own sans-serif face when neither is there. Needs the
// display open.
int chooseFont();

}  // namespace kvelt::fltk
