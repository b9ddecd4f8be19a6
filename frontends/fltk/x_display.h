// The connection to the X display, opened by the program rather than by FLTK.
#pragma once

namespace kvelt::fltk {

// Opens the display named by $DISPLAY and hands it to FLTK. False when there is none: FLTK
// would otherwise end the program with its own message.
bool openDisplay();

// Whether openDisplay succeeded, so that a failure may also be shown in a message box.
bool displayOpen();

// The desktop's text resolution: Xft.dpi, which desktops set for their scaling, else the
// screen's own from its size in millimetres; 0 when neither is known.
double desktopDotsPerInch();

}  // namespace kvelt::fltk
