// Fuzz target: any bytes as the lines a player types, one Enter per line, from a new game.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "test_support/test_game.h"
#include "world/room_handler.h"

namespace {

constexpr int kMostTurns = 300;  // enough for the whole game, few enough to stay fast

// What must hold after every turn, whatever was typed.
void checkInvariants(kvelt::testing::TestGame& t) {
  kvelt::Game& game = t.game;
  if (game.windowClosed || game.gameOver != kvelt::kFalse) return;
  // Moves follow the map's ways out only, so the player always stands in a room.
  if (kvelt::roomObjects(game, game.posX, game.posY) == nullptr) __builtin_trap();
  // The carried-objects pane never holds more than the eleven lines of a take or a load.
  if (kvelt::testing::paneLines(game.Text3).size() > 11) __builtin_trap();
  if (!game.Text1.empty()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  kvelt::testing::TestGame t;
  t.start();
  int turns = 0;
  while (!input.empty() && turns++ < kMostTurns && !t.game.windowClosed) {
    std::size_t end = input.find('\n');
    std::string_view line = input.substr(0, end);
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    t.enter(std::string(line));
    checkInvariants(t);
  }
  return 0;
}
