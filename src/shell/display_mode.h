// Reading and switching the screen mode.
#pragma once

#include "base/display_settings.h"
#include "base/game.h"

namespace kvelt {

struct ScreenSize {
  Integer width = 0;
  Integer height = 0;
};

// The width and height of the mode in force, each cut to 16 bits.
ScreenSize currentScreenSize(DisplaySettings& display);

// Changes only the width and height of the mode in force, and only if the display accepts the
// mode in a test first. A refused mode changes nothing and says nothing.
void setDisplayMode(DisplaySettings& display, const Integer& width, const Integer& height);

}  // namespace kvelt
