// What the Linux window adds to the shared layout: the files it loads and its title.
#pragma once

#include "common/window_layout.h"

namespace kvelt::fltk {

using layout::Box;

inline constexpr const char* kPictureName = "background.jpg";
inline constexpr const char* kIconName = "kvelt.png";
inline constexpr const char* kTitle = "kvelt";

}  // namespace kvelt::fltk
