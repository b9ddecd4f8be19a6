// Turn loop: exit check, save and load scan, the gates, movement, the room handler.
#include "shell/turn_loop.h"

#include <array>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "persistence/save_commands.h"
#include "shell/startup.h"
#include "text/catalogue.h"
#include "world/movement.h"
#include "world/room_handler.h"

namespace kvelt {
namespace {

bool at(const Game& game, Integer x, Integer y) {
  return game.posX == x && game.posY == y;
}
bool typed(const Game& game, std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) {
    if (game.lastCommand == line) return true;
  }
  return false;
}

// In the captain's hall every line but these few is fatal until the chandelier has fallen.
bool safeInCaptainsHall(const Game& game) {
  return typed(game, {"použij meč na kapitána", "použij štít na kapitána",
                      "použij meč na lano od lustru", "save", "load", ""});
}

struct Gate {
  bool (*holds)(const Game&);
  std::vector<Integer> messages;
  bool endsTurn;
  bool wins = false;
};

// The fatal and final situations, in the order they are tested. An earlier gate hides every
// later one, which is why "j" in (3,4) with neither the guard hidden nor the device jammed
// answers 98, not 91.
const std::array<Gate, 9> kGatesBeforeMovement = {{
    {[](const Game& g) { return typed(g, {"j"}) && at(g, 3, 6) && isTrue(g.kveltTaken); },
     {kEndingMessages.begin(), kEndingMessages.end()},
     true,
     true},
    {[](const Game& g) {
       return typed(g, {"j"}) && at(g, 3, 6) && isFalse(g.kveltTaken) && isTrue(g.chandelierCut);
     },
     {173},
     false},
    {[](const Game& g) {
       return typed(g, {"s", "j", "z", "v"}) && at(g, 3, 2) && isFalse(g.guardKilled);
     },
     {148},
     true},
    {[](const Game& g) { return typed(g, {"s"}) && at(g, 6, 5) && isTrue(g.chandelierCut); },
     {169},
     true},
    {[](const Game& g) {
       return at(g, 5, 2) && isFalse(g.chandelierCut) && !safeInCaptainsHall(g);
     },
     {158},
     true},
    {[](const Game& g) {
       return typed(g, {"j", "z", "v"}) && g.posY <= 4 && isFalse(g.deadGuardHidden);
     },
     {98},
     true},
    {[](const Game& g) {
       return ((typed(g, {"j"}) && at(g, 3, 2)) || (typed(g, {"s"}) && at(g, 3, 4))) &&
              isTrue(g.chandelierCut);
     },
     {166},
     true},
    {[](const Game& g) {
       return ((typed(g, {"s"}) && at(g, 3, 5)) || (typed(g, {"j"}) && at(g, 3, 4))) &&
              isFalse(g.deviceJammed);
     },
     {91},
     true},
    {[](const Game& g) {
       return typed(g, {"s"}) && at(g, 3, 3) && isTrue(g.door33Open) && isFalse(g.uniformWorn);
     },
     {138},
     true},
}};

const std::array<Gate, 2> kGatesAfterMovement = {{
    {[](const Game& g) { return at(g, 2, 4) && isFalse(g.uniformWorn); }, {103}, true},
    {[](const Game& g) { return at(g, 7, 3) && isFalse(g.uniformWorn); }, {118}, true},
}};

// Tests the gates in order; returns true when one of them ended the turn.
template <std::size_t N>
bool passGates(Game& game, const std::array<Gate, N>& gates) {
  for (const Gate& gate : gates) {
    if (!gate.holds(game)) continue;
    for (Integer message : gate.messages) showMessage(game, message);
    game.gameOver = kTrue;
    game.turn.won = gate.wins;
    game.Text1.clear();
    if (gate.endsTurn) return true;
  }
  return false;
}

bool isDirection(const std::string& line) {
  return line == "s" || line == "j" || line == "z" || line == "v";
}

// Everything after the exit check.
void playTurn(Game& game) {
  game.lastCommand = game.Text1;
  game.turn.direction = isDirection(game.lastCommand);
  scanSaveCommands(game);

  if (passGates(game, kGatesBeforeMovement)) return;
  const Integer fromX = game.posX, fromY = game.posY;
  if (!(isTrue(game.startSouthBlocked) && game.lastCommand == "j" && game.posY == 7)) pohyb(game);
  game.turn.moved = game.posX != fromX || game.posY != fromY;
  if (passGates(game, kGatesAfterMovement)) return;

  if (isTrue(game.firstTurnPending)) game.firstTurnPending = kFalse;
  if (isFalse(game.firstTurnPending) && isFalse(game.firstTurnShown)) {
    showMessage(game, 174);
    game.firstTurnPending = kTrue;
    game.firstTurnShown = kTrue;
    game.turn.firstTurn = true;
  }
  if (isFalse(game.gameOver) && isFalse(game.firstTurnPending)) popisy(game);

  game.itemMovedThisTurn = 0;
  game.Text1.clear();
}

}  // namespace

void Text1_KeyPress(Game& game, Integer& keyAscii) {
  if (keyAscii != kEnterKey) return;

  game.turn = TurnReport{};
  if (game.Text1 == "exit" || isTrue(game.gameOver)) {
    game.turn.exitRequested = true;
    exitRequest(game);
    return;
  }
  playTurn(game);
  game.turn.gameEnded = isTrue(game.gameOver);
}

}  // namespace kvelt
