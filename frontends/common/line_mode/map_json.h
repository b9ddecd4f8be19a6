// The map of what was seen, as the JSON transcript's "map" member.
#pragma once

#include <string>

#include "common/map/map_knowledge.h"

namespace kvelt {

// Appends {"rooms": [[x, y], ...], "ways": [[x, y, "s"], ...], "names": {"x,y": "…"}}: the
// rooms north to south, west to east; each room's ways as the page last named them.
void appendMapJson(std::string& out, const MapKnowledge& known);

}  // namespace kvelt
