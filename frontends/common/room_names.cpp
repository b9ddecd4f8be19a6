// Room names, read once from the text of data/rooms.txt that the build puts into the program.
#include "common/room_names.h"

#include <map>
#include <sstream>
#include <utility>

namespace kvelt {

extern const char* const kRoomNamesText;

namespace {

// "x,y Name" a line.
std::map<std::pair<int, int>, std::string> readNames() {
  std::map<std::pair<int, int>, std::string> names;
  std::istringstream in(kRoomNamesText);
  std::string line;
  while (std::getline(in, line)) {
    int x = 0, y = 0;
    char comma = 0;
    std::istringstream words(line);
    if (!(words >> x >> comma >> y) || comma != ',') continue;
    std::string name;
    std::getline(words >> std::ws, name);
    if (!name.empty()) names[{x, y}] = name;
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
