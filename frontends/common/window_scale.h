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

// The largest factor up to `percent` at which the window, with a frame of `frameWidth` x
// `frameHeight` around it, fits a work area of `workWidth` x `workHeight` (0 x 0: unknown), and
// never below the smallest: a factor kept from a larger screen opens as large as this one holds.
int fittingScale(int percent, int workWidth, int workHeight, int frameWidth = 0,
                 int frameHeight = 0);

// The status line after a change of size: the factor, and the way back to the default.
std::string scaleStatus(int percent, bool largestThatFits);

// The keys that scale the window, for its --help and the keys shown at start.
inline constexpr const char* kZoomKeys = "Ctrl+plus, Ctrl+minus, Ctrl+0";
inline constexpr const char* kZoomKeysHelp =
    "Ctrl+plus a Ctrl+minus zvětší a zmenší okno (nanejvýš na velikost obrazovky),\n"
    "Ctrl+0 vrátí výchozí velikost.\n"
    "Ctrl+plus and Ctrl+minus make the window larger and smaller (at most as large as the\n"
    "screen), Ctrl+0 brings back the default size.\n";

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
