// Fuzz target: any bytes as the two files of a save slot, loaded and played on.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "test_support/test_game.h"
#include "text/lines.h"
#include "world/room_handler.h"

namespace {

// Whatever was loaded, the next save must again have the fixed shape of a slot.
void checkSlot(const kvelt::testing::TestGame& t, const std::string& slot) {
  const auto& files = t.files.files;
  auto list = files.find("/game/save" + slot + ".s");
  auto state = files.find("/game/savex" + slot + ".s");
  if (list == files.end() || state == files.end()) return;  // the game ended before the save
  if (kvelt::splitLines(list->second).size() != 630 || state->second.size() != 82) {
    __builtin_trap();
  }
}

}  // namespace

// The first byte tells how many of the following bytes form the state file (up to 95, so
// that short, exact and long state files all occur); the rest is the object-list file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::size_t stateSize = std::min<std::size_t>(data[0] % 96, bytes.size());

  kvelt::testing::TestGame t;
  t.files.files["/game/savex3.s"] = std::string(bytes.substr(0, stateSize));
  t.files.files["/game/save3.s"] = std::string(bytes.substr(stateSize));
  t.startPlaying();
  for (const char* line : {"load 3", "save 4", "vezmi pochodeň", "s", "j", "load 4", "save 5"}) {
    t.enter(line);
    if (t.game.windowClosed) break;
    // Whatever the files held, a load leaves the player in a room of the map.
    if (kvelt::roomObjects(t.game, t.game.posX, t.game.posY) == nullptr) __builtin_trap();
  }
  checkSlot(t, "4");
  checkSlot(t, "5");
  return 0;
}
