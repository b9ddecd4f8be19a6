// The seen rooms as grid cells, each way out looked at from the room it leaves.
#include "common/map/map_layout.h"

#include <algorithm>

#include "common/map/room_names.h"

namespace kvelt {
namespace {

// A room stood in only in the dark: the page said no more of it than that.
constexpr const char* kDarkRoomName = "Tma";

constexpr std::array<int, 4> kStepX = {0, 0, -1, 1};
constexpr std::array<int, 4> kStepY = {-1, 1, 0, 0};

WayLook lookOf(const MapKnowledge& known, const SeenRoom& room, int way) {
  if (room.deadly[way]) return WayLook::deadly;
  if (!room.waysKnown || !room.ways[way]) return WayLook::none;
  if (way == south && room.x == kRopeTopX && room.y == kRopeTopY) {
    return known.ropeClimbed() ? WayLook::rope : WayLook::stub;
  }
  const bool neighbourSeen = known.seen(static_cast<Integer>(room.x + kStepX[way]),
                                        static_cast<Integer>(room.y + kStepY[way]));
  return neighbourSeen ? WayLook::joined : WayLook::stub;
}

}  // namespace

MapPicture layoutMap(const MapKnowledge& known) {
  MapPicture picture;
  picture.ropeClimbed = known.ropeClimbed();
  // On the opening pages no room has been shown yet: that is no darkness.
  const bool shownAny = std::any_of(known.rooms().begin(), known.rooms().end(),
                                    [](const SeenRoom& room) { return room.waysKnown; });
  for (const SeenRoom& room : known.rooms()) {
    const bool dark = shownAny && !room.waysKnown;
    MapCell cell{room.x, room.y, dark ? kDarkRoomName : roomName(room.x, room.y)};
    cell.here = room.x == known.hereX() && room.y == known.hereY();
    for (int way = 0; way < 4; ++way) cell.ways[way] = lookOf(known, room, way);
    picture.cells.push_back(cell);
  }
  std::sort(picture.cells.begin(), picture.cells.end(),
            [](const MapCell& a, const MapCell& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
  return picture;
}

const MapCell* MapPicture::here() const {
  for (const MapCell& cell : cells) {
    if (cell.here) return &cell;
  }
  return nullptr;
}

}  // namespace kvelt
