// How large a window that scales draws the layout: a factor in per cent of its 800 x 600.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/window_layout.h"

namespace kvelt::layout {

inline constexpr int kMinScale = 100;
inline constexpr int kMaxScale = 300;
inline constexpr int kScaleStep = 25;

// The factor a desktop of `dotsPerInch` asks for (96 is 100 %), to the nearest step, within the
// range, and no larger than a screen of `screenWidth` x `screenHeight` holds (0 x 0: unknown).
int defaultScale(double dotsPerInch, int screenWidth, int screenHeight);

// One step larger (+1) or smaller (-1), within the range.
int stepScale(int percent, int direction);

// A remembered factor as its file holds it ("150", a line end allowed); nothing when the text is
// not a whole number in the range, so that a broken file means the default.
std::optional<int> parseScale(std::string_view text);
std::string formatScale(int percent);

// A length, and a box by its edges, so that boxes that touch at 100 % touch at every factor.
int scaled(int length, int percent);
Box scaled(Box box, int percent);

// Where the factor is remembered: $XDG_CONFIG_HOME/kvelt/scale, else ~/.config/kvelt/scale
// (a relative $XDG_CONFIG_HOME is ignored, as the XDG rules say); empty without either.
std::string scaleSettingPath(const char* xdgConfigHome, const char* home);

}  // namespace kvelt::layout
