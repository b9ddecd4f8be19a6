// The window's colours on a terminal's palette.
#include "colours.h"

#include <array>

#include "common/engine.h"

namespace kvelt::term {
namespace {

struct Entry {
  Rgb colour;
  short basic;  // on 8 colours
  bool basicBright;
  short sixteen;  // on 16 colours
  short xterm256;
};

// The window's own colours, picked by eye.
constexpr std::array<Entry, 4> kOwnColours = {{
    {layout::kPaneText, 3, true, 11, 228},
    {layout::kPaneBackground, 0, false, 0, 16},
    {layout::kLabel1Text, 7, true, 15, 231},
    {kInputLineColour, 5, false, 5, 55},
}};

// The basic colours as xterm draws them.
constexpr std::array<Rgb, 16> kSixteen = {{{0, 0, 0},
                                           {205, 0, 0},
                                           {0, 205, 0},
                                           {205, 205, 0},
                                           {0, 0, 238},
                                           {205, 0, 205},
                                           {0, 205, 205},
                                           {229, 229, 229},
                                           {127, 127, 127},
                                           {255, 0, 0},
                                           {0, 255, 0},
                                           {255, 255, 0},
                                           {92, 92, 255},
                                           {255, 0, 255},
                                           {0, 255, 255},
                                           {255, 255, 255}}};

int distance(Rgb a, Rgb b) {
  const int red = a.red - b.red, green = a.green - b.green, blue = a.blue - b.blue;
  return red * red + green * green + blue * blue;
}

Rgb xtermColour(int index) {
  if (index >= 232) {
    const auto level = static_cast<std::uint8_t>(8 + 10 * (index - 232));
    return {level, level, level};
  }
  constexpr std::array<std::uint8_t, 6> kLevels = {0, 95, 135, 175, 215, 255};
  const int cube = index - 16;
  return {kLevels[cube / 36], kLevels[cube / 6 % 6], kLevels[cube % 6]};
}

}  // namespace

PaletteColour paletteColour(Rgb colour, int colours) {
  for (const Entry& entry : kOwnColours) {
    if (entry.colour != colour) continue;
    if (colours >= 256) return {entry.xterm256, false};
    if (colours >= 16) return {entry.sixteen, false};
    return {entry.basic, entry.basicBright};
  }
  const int first = colours >= 256 ? 16 : 0;
  const int last = colours >= 256 ? 256 : (colours >= 16 ? 16 : 8);
  int best = first;
  for (int index = first; index < last; ++index) {
    const Rgb candidate = colours >= 256 ? xtermColour(index) : kSixteen[index];
    const Rgb current = colours >= 256 ? xtermColour(best) : kSixteen[best];
    if (distance(candidate, colour) < distance(current, colour)) best = index;
  }
  return {static_cast<short>(best), false};
}

}  // namespace kvelt::term
