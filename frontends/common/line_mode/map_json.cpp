// The map member of the JSON transcript, written by hand like the rest of each event.
#include "common/line_mode/map_json.h"

#include "common/line_mode/json_text.h"
#include "common/map/map_layout.h"

namespace kvelt {

void appendMapJson(std::string& out, const MapKnowledge& known) {
  const MapPicture picture = layoutMap(known);
  auto at = [](const MapCell& cell) {
    return std::to_string(cell.x) + "," + std::to_string(cell.y);
  };
  out += "{\"rooms\":[";
  const char* comma = "";
  for (const MapCell& cell : picture.cells) {
    out += comma + ("[" + at(cell) + "]");
    comma = ",";
  }
  out += "],\"ways\":[";
  comma = "";
  for (const MapCell& cell : picture.cells) {
    const SeenRoom* seen = known.room(cell.x, cell.y);
    for (int way = 0; way < 4; ++way) {
      if (!seen->waysKnown || !seen->ways[way]) continue;
      out += comma + ("[" + at(cell) + ",\"" + kWayLetters[way] + "\"]");
      comma = ",";
    }
  }
  out += "],\"names\":{";
  comma = "";
  for (const MapCell& cell : picture.cells) {
    out += comma;
    appendJsonString(out, at(cell));
    out += ':';
    appendJsonString(out, cell.name);
    comma = ",";
  }
  out += "}}";
}

}  // namespace kvelt
