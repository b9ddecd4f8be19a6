// The map in words: each seen room with the ways the game named there and where they lead.
#include "common/map/map_description.h"

#include <array>

#include "common/map/room_names.h"

namespace kvelt {
namespace {

constexpr std::array<const char*, 4> kToward = {"na sever", "na jih", "na západ", "na východ"};
constexpr std::array<int, 4> kStepX = {0, 0, -1, 1};
constexpr std::array<int, 4> kStepY = {-1, 1, 0, 0};

std::string wayText(const MapCell& cell, int way) {
  std::string text = kToward[way];
  switch (cell.ways[way]) {
    case WayLook::joined:
      return text + " do místa " +
             roomName(static_cast<Integer>(cell.x + kStepX[way]),
                      static_cast<Integer>(cell.y + kStepY[way]));
    case WayLook::stub:
      return text + " (nepoznáno)";
    case WayLook::deadly:
      return text + " (smrt)";
    case WayLook::rope:
      return text + " po laně do místa " + roomName(kRopeFootX, kRopeFootY);
    case WayLook::none:
      break;
  }
  return {};
}

}  // namespace

std::string mapDescription(const MapPicture& picture) {
  const std::size_t count = picture.cells.size();
  const char* places = count == 1  ? " poznané místo."
                       : count < 5 ? " poznaná místa."
                                   : " poznaných míst.";
  std::string out = "Mapa: " + std::to_string(count) + places;
  if (const MapCell* here = picture.here()) out += " Jsi tady: " + here->name + ".";
  out += "\n";
  for (const MapCell& cell : picture.cells) {
    out += cell.name + (cell.here ? " (tady)" : "") + ":";
    bool any = false;
    for (int way = 0; way < 4; ++way) {
      const std::string text = wayText(cell, way);
      if (text.empty()) continue;
      out += (any ? ", " : " ") + text;
      any = true;
    }
    out += any ? ".\n" : " cesty nepoznány.\n";
  }
  return out;
}

}  // namespace kvelt
