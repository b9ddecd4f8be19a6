// The map in character cells, for a terminal: box-drawing lines, or plain ASCII.
#pragma once

#include <string>
#include <vector>

#include "common/map/map_layout.h"

namespace kvelt {

enum class MapGlyphs { boxDrawing, ascii };

// Fifteen lines of at most 78 columns: a heading, then each row of rooms above a line of the
// ways between it and the next row. The room the player is in is in capitals.
inline constexpr int kMapTextLines = 15;
inline constexpr int kMapTextColumns = 78;
std::vector<std::string> mapText(const MapPicture& picture, MapGlyphs glyphs);

}  // namespace kvelt
