// The map in words, for a screen reader: the rooms seen and their ways out, in Czech.
#pragma once

#include <string>

#include "common/map/map_layout.h"

namespace kvelt {

// One line a room, north to south: "Srub (tady): na sever do místa Cesta, na jih nepoznáno."
std::string mapDescription(const MapPicture& picture);

}  // namespace kvelt
