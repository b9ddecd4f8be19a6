// Carry checks.
#include "world/carry_checks.h"

#include "text/pane.h"
#include "text/sentence.h"

namespace kvelt {
void kontrola(Game& game) {
  const std::string& line = game.Text1;
  const std::string& carried = game.inventory[game.loopIndex];
  const std::string& lying = game.currentRoomObjects[game.loopIndex];
  if (lineIs(line, {"vezmi ", carried}) && !carried.empty() &&
      game.itemMovedThisTurn != kItemMoved) {
    appendLine(game.Text2, carried + kAlreadyCarried);
    ++game.turn.printed;
  }
  if (lineIs(line, {"polož ", lying}) && !lying.empty() && game.itemMovedThisTurn != kItemMoved) {
    appendLine(game.Text2, lying + kNotCarried);
    ++game.turn.printed;
  }
}

}  // namespace kvelt
