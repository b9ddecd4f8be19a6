// Room names, read once from the text of data/rooms.txt that the build puts into the program.
#include "common/map/room_names.h"

#include <map>
#include <utility>

#include "common/plain_words.h"
#include "text/lines.h"

namespace kvelt {

extern const char* const kRoomNamesText;

namespace {

// "x,y Name" a line.
std::map<std::pair<int, int>, std::string> readNames() {
  std::map<std::pair<int, int>, std::string> names;
  for (const std::string_view line : splitLines(kRoomNamesText)) {
    const std::size_t blank = line.find(' '), comma = line.find(',');
    if (blank == std::string_view::npos || comma > blank) continue;
    int x = 0, y = 0;
    const std::size_t name = line.find_first_not_of(' ', blank);
    if (plainNumber(line.substr(0, comma), x) &&
        plainNumber(line.substr(comma + 1, blank - comma - 1), y) && name != std::string_view::npos)
      names[{x, y}] = std::string(line.substr(name));
  }
  return names;
}

}  // namespace

std::string roomName(Integer x, Integer y) {
  static const std::map<std::pair<int, int>, std::string> names = readNames();
  const auto found = names.find({x, y});
  if (found != names.end()) return found->second;
  return std::to_string(x) + "," + std::to_string(y);
}

}  // namespace kvelt
