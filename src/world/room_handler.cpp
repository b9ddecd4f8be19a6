// Room handler: the room table and one visit of a room per turn.
#include "world/room_handler.h"

#include <array>

#include "commands/dispatch.h"
#include "text/catalogue.h"
#include "world/carry_checks.h"
#include "world/movement.h"
#include "world/object_listing.h"

namespace kvelt {
namespace {

constexpr const char* kBurningTorch = "hořící pochodeň";

using Ways = std::array<bool, 4>;  // north, south, west, east
constexpr bool N = true, S = true, W = true, E = true, o = false;

// A visit opens with the description. It returns false when the visit ends there (the dark
// room, the ending of the smithy).
using Describe = bool (*)(Game&);
using WaysOf = Ways (*)(const Game&);
using Hook = void (*)(Game&);

template <Integer Message>
bool describedBy(Game& game) {
  showMessage(game, Message);
  return true;
}

bool darkRoom(Game& game) {
  for (game.loopIndex = 0; game.loopIndex <= 20; ++game.loopIndex) {
    if (game.inventory[game.loopIndex] == kBurningTorch) {
      showMessage(game, 17);
      return true;
    }
  }
  showMessage(game, 106);
  showMessage(game, 107);
  game.exits = {kFalse, kTrue, kFalse, kFalse};
  return false;
}

bool smithy(Game& game) {
  showMessage(game, 25);
  if (!isTrue(game.chandelierCut)) return true;
  showMessage(game, 176);
  game.gameOver = kTrue;
  game.Text1.clear();
  return false;
}

bool passage34(Game& game) {
  if (isFalse(game.deviceJammed)) showMessage(game, 16);
  if (isTrue(game.deviceJammed)) showMessage(game, 145);
  return true;
}

bool moatGate35(Game& game) {
  if (isFalse(game.chandelierCut)) showMessage(game, 6);
  if (isTrue(game.chandelierCut)) showMessage(game, 168);
  // Once the alarm is raised the guard has left his post, for good.
  if (isTrue(game.chandelierCut)) {
    for (game.loopIndex = 0; game.loopIndex <= 10; ++game.loopIndex) {
      if (game.room35Objects[game.loopIndex] == "stráž") game.room35Objects[game.loopIndex].clear();
    }
  }
  return true;
}

// Room (3,7): "j" reaches the handler unchanged only when the turn loop held the move back.
void startRoomSouth(Game& game) {
  if (game.lastCommand == "j" && isTrue(game.startSouthBlocked)) showMessage(game, 34);
}

void guardRoomRemarks(Game& game) {
  if (isFalse(game.guardKilled)) showMessage(game, 146);
  if (isTrue(game.chandelierCut)) showMessage(game, 165);
}
void passageRemarks(Game& game) {
  if (isTrue(game.chandelierCut)) showMessage(game, 167);
}
void captainRemarks(Game& game) {
  if (isFalse(game.chandelierCut) && isFalse(game.captainDefeated)) showMessage(game, 157);
}
void hatchRemarks(Game& game) {
  if (isTrue(game.chandelierCut)) showMessage(game, 170);
}

struct Room {
  Integer x, y;
  ObjectList Game::*objects;
  Describe describe;
  WaysOf ways;
  Integer doorCode;  // 0 where the room has no door
  Hook afterWays;    // between the ways out and the command
  Hook afterCommand;
};

// clang-format off
constexpr std::array<Room, 23> kRooms = {{
  {1, 4, &Game::room14Objects, describedBy<26>, [](const Game&) { return Ways{o, o, o, E}; }, 0, nullptr, nullptr},
  {2, 1, &Game::room21Objects, describedBy<21>, [](const Game&) { return Ways{o, o, o, E}; }, 0, nullptr, nullptr},
  {2, 2, &Game::room22Objects, describedBy<22>, [](const Game& g) { return Ways{o, isTrue(g.windowRopeTied), o, E}; }, 0, nullptr, nullptr},
  {2, 4, &Game::room24Objects, smithy,          [](const Game&) { return Ways{o, o, W, E}; }, 0, nullptr, nullptr},
  {2, 5, &Game::room25Objects, describedBy<7>,  [](const Game&) { return Ways{o, o, o, E}; }, 0, nullptr, nullptr},
  {3, 1, &Game::room31Objects, describedBy<20>, [](const Game& g) { return Ways{o, S, isTrue(g.door31Open), o}; }, 5, nullptr, nullptr},
  {3, 2, &Game::room32Objects, describedBy<19>, [](const Game& g) { return Ways{N, S, W, isTrue(g.door32Open)}; }, 3, nullptr, guardRoomRemarks},
  {3, 3, &Game::room33Objects, describedBy<18>, [](const Game& g) { return Ways{isTrue(g.door33Open), S, o, o}; }, 2, nullptr, nullptr},
  {3, 4, &Game::room34Objects, passage34,       [](const Game& g) { return Ways{N, !isTrue(g.deviceJammed), W, E}; }, 0, nullptr, passageRemarks},
  {3, 5, &Game::room35Objects, moatGate35,      [](const Game& g) { return Ways{!isTrue(g.deviceJammed), S, W, E}; }, 0, nullptr, nullptr},
  {3, 6, &Game::room36Objects, describedBy<5>,  [](const Game&) { return Ways{N, S, o, o}; }, 0, nullptr, nullptr},
  {3, 7, &Game::room37Objects, describedBy<2>,  [](const Game& g) { return Ways{isTrue(g.door37Open), S, o, o}; }, 1, startRoomSouth, nullptr},
  {4, 2, &Game::room42Objects, describedBy<23>, [](const Game& g) { return Ways{o, o, W, isTrue(g.door42Open)}; }, 4, nullptr, nullptr},
  {4, 4, &Game::room44Objects, describedBy<15>, [](const Game&) { return Ways{o, o, W, E}; }, 0, nullptr, nullptr},
  {4, 5, &Game::room45Objects, describedBy<8>,  [](const Game&) { return Ways{o, o, W, E}; }, 0, nullptr, nullptr},
  {5, 2, &Game::room52Objects, describedBy<24>, [](const Game&) { return Ways{o, o, W, o}; }, 0, nullptr, captainRemarks},
  {5, 3, &Game::room53Objects, darkRoom,        [](const Game&) { return Ways{o, S, o, o}; }, 0, nullptr, nullptr},
  {5, 4, &Game::room54Objects, describedBy<14>, [](const Game&) { return Ways{N, o, W, E}; }, 0, nullptr, nullptr},
  {5, 5, &Game::room55Objects, describedBy<9>,  [](const Game&) { return Ways{o, o, W, E}; }, 0, nullptr, nullptr},
  {6, 4, &Game::room64Objects, describedBy<11>, [](const Game&) { return Ways{o, S, W, E}; }, 0, nullptr, nullptr},
  {6, 5, &Game::room65Objects, describedBy<10>, [](const Game& g) { return Ways{isTrue(g.hatchOpen), o, W, o}; }, 0, nullptr, hatchRemarks},
  {7, 3, &Game::room73Objects, describedBy<13>, [](const Game&) { return Ways{o, S, o, o}; }, 0, nullptr, nullptr},
  {7, 4, &Game::room74Objects, describedBy<12>, [](const Game&) { return Ways{N, o, W, o}; }, 0, nullptr, nullptr},
}};
// clang-format on

const Room* findRoom(Integer x, Integer y) {
  for (const Room& room : kRooms) {
    if (room.x == x && room.y == y) return &room;
  }
  return nullptr;
}

}  // namespace

ObjectList* roomObjects(Game& game, Integer x, Integer y) {
  const Room* room = findRoom(x, y);
  return room ? &(game.*(room->objects)) : nullptr;
}

bool isRoom(Integer x, Integer y) {
  return findRoom(x, y) != nullptr;
}

void popisy(Game& game) {
  const Room* room = findRoom(game.posX, game.posY);
  if (room == nullptr) return;
  if (!room->describe(game)) return;

  ObjectList& objects = game.*(room->objects);
  // All 28 slots travel between the room and the working copy, so that nothing that lies in a
  // crowded room follows the player into the next one.
  for (game.loopIndex = 0; game.loopIndex < kRoomSlots; ++game.loopIndex) {
    game.currentRoomObjects[game.loopIndex] = objects[game.loopIndex];
  }
  popisyx(game);

  Ways ways = room->ways(game);
  for (int way = 0; way < 4; ++way) game.exits[way] = ways[way] ? kTrue : kFalse;
  strany(game);

  // What is printed from here to the closing remarks, and by the carry checks, answers the
  // line; the closing remarks stand on the page whatever was typed.
  const int beforeAnswer = game.turn.printed;
  if (room->afterWays != nullptr) room->afterWays(game);
  if (room->doorCode != 0) game.doorRoomCode = room->doorCode;
  prikazy(game);
  game.turn.answers += game.turn.printed - beforeAnswer;
  if (room->afterCommand != nullptr) room->afterCommand(game);

  // The carry checks read the slot just stored back from loopIndex, and speak for slots 0 to
  // 10 only, in slot order.
  const int beforeChecks = game.turn.printed;
  for (game.loopIndex = 0; game.loopIndex < kRoomSlots; ++game.loopIndex) {
    objects[game.loopIndex] = game.currentRoomObjects[game.loopIndex];
    if (game.loopIndex <= 10) kontrola(game);
  }
  game.turn.answers += game.turn.printed - beforeChecks;
}

}  // namespace kvelt
