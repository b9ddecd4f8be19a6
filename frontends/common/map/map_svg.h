// The map as an SVG picture, for the browser.
#pragma once

#include <string>

#include "common/map/map_layout.h"

namespace kvelt {

// A whole <svg> element that scales to its box; its elements carry classes ("room", "here",
// "way", "stub", "deadly", "rope") for a page's style to restyle.
std::string mapSvg(const MapPicture& picture);

}  // namespace kvelt
