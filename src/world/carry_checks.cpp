// Carry checks.
#include "world/carry_checks.h"

namespace kvelt {
namespace {
constexpr Integer kMovedSentinel = 1000;
}

void kontrola(Game& game) {
  const std::string& line = game.Text1;
  const std::string& carried = game.inventory[game.loopIndex];
  const std::string& lying = game.currentRoomObjects[game.loopIndex];
  if (line == "vezmi " + carried && !carried.empty() && game.itemMovedThisTurn != kMovedSentinel) {
    game.Text2 += "\r\n" + carried + kAlreadyCarried;
  }
  if (line == "polož " + lying && !lying.empty() && game.itemMovedThisTurn != kMovedSentinel) {
    game.Text2 += "\r\n" + lying + kNotCarried;
  }
}

}  // namespace kvelt
