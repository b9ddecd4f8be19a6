// The game record: every variable of a running game, in one plain struct.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/turn_report.h"

namespace kvelt {

class Window;
class DisplaySettings;
class Files;

// The game's own integer: 16 bits, signed. Flags hold -1 (true) or 0 (false), and the rules
// compare them with exactly those two values, because a loaded state file may hold others.
using Integer = std::int16_t;
inline constexpr Integer kTrue = -1;
inline constexpr Integer kFalse = 0;

// The one way a flag is tested: exactly True, or exactly False.
constexpr bool isTrue(Integer flag) {
  return flag == kTrue;
}
constexpr bool isFalse(Integer flag) {
  return flag == kFalse;
}

// itemMovedThisTurn after a take or a drop: the carry checks stay silent for the rest of it.
inline constexpr Integer kItemMoved = 1000;

inline constexpr int kRoomSlots = 28;       // room lists and currentRoomObjects: slots 0 to 27
inline constexpr int kInventorySlots = 21;  // inventory: slots 0 to 20
using ObjectList = std::array<std::string, kRoomSlots>;
using Inventory = std::array<std::string, kInventorySlots>;

// Indexes of `exits` and `directions`; the order is fixed everywhere in the game.
enum Way : int { north = 0, south = 1, west = 2, east = 3 };

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

// The services a game runs on. A front end provides them; tests provide fakes.
struct Platform {
  Window* window = nullptr;
  DisplaySettings* display = nullptr;
  Files* files = nullptr;
  std::string programDir;  // where scripts.tex is read
  std::string saveDir;     // where the save slots live (the program's directory unless installed)
};

struct Game {
  Platform platform;

  // The window's three text boxes. The game keeps their authoritative text; a front end draws
  // them after each event and copies its edit box into Text1 before it delivers Enter.
  std::string Text1;  // the input line
  std::string Text2;  // the narration pane
  std::string Text3;  // the carried-objects pane
  Rgb text1Background{0, 0, 128};
  bool windowClosed = false;  // set by Form_Unload: the program has ended

  // The window's variables, in the order the game declares them.
  Integer k = 0;
  Integer g = 0;
  std::array<std::string, 6> verbs;
  ObjectList currentRoomObjects;
  Inventory inventory;
  std::array<Integer, 4> exits{};
  std::array<std::string, 4> directions;

  ObjectList room37Objects, room36Objects, room35Objects, room25Objects, room45Objects,
      room55Objects, room65Objects, room64Objects, room74Objects, room73Objects, room54Objects,
      room44Objects, room34Objects, room53Objects, room33Objects, room32Objects, room31Objects,
      room21Objects, room22Objects, room42Objects, room52Objects, room24Objects, room14Objects;

  std::string commandVerb;
  std::string commandObject;
  std::string commandTarget;
  std::string loadLine;
  std::string lastCommand;
  std::string saveListPath;
  std::string saveStatePath;
  Integer gameOver = kFalse;
  Integer startSouthBlocked = kFalse;

  // The puzzle flags.
  Integer door37Open = kFalse;
  Integer hatchOpen = kFalse;
  Integer hatchOiled = kFalse;
  Integer hatchPried = kFalse;
  Integer wallGuardDown = kFalse;
  Integer deadGuardSearched = kFalse;
  Integer uniformWorn = kFalse;
  Integer deadGuardHidden = kFalse;
  Integer ladderOnHolder = kFalse;
  Integer barrelOpened = kFalse;
  Integer smithServed = kFalse;
  Integer vesselFilled = kFalse;
  Integer ropeFree = kFalse;
  Integer wellCrankFitted = kFalse;
  Integer bucketFull = kFalse;
  Integer watchmanDown = kFalse;
  Integer pailFilled = kFalse;
  Integer watchmanSearched = kFalse;
  Integer haySearched = kFalse;
  Integer bannerCut = kFalse;
  Integer deviceJammed = kFalse;
  Integer door33Open = kFalse;
  Integer door33Unlocked = kFalse;
  Integer hearthQuenched = kFalse;
  Integer windowRopeTied = kFalse;
  Integer guardKilled = kFalse;
  Integer door32Open = kFalse;
  Integer door42Open = kFalse;
  Integer captainShielded = kFalse;
  Integer captainStruck = kFalse;
  Integer captainDefeated = kFalse;
  Integer chandelierCut = kFalse;
  Integer door31Unlocked = kFalse;
  Integer door31Open = kFalse;
  Integer standNeedleSet = kFalse;
  Integer standNailSet = kFalse;
  Integer kveltTaken = kFalse;

  Integer firstTurnPending = kFalse;
  Integer firstTurnShown = kFalse;
  Integer loopIndex = 0;
  Integer innerLoopIndex = 0;
  Integer posX = 0;
  Integer posY = 0;
  Integer doorRoomCode = 0;
  Integer itemMovedThisTurn = 0;
  Integer saveSlot = 0;

  // The module's variables: the screen size found at start-up.
  Integer savedWidth = 0;
  Integer savedHeight = 0;

  // Kept out of saved games: whether the screen size has been put back, so that every
  // way of ending restores it exactly once.
  bool displayRestored = false;
  // Kept out of saved games too: what the last Enter did, for the front ends.
  TurnReport turn;
};

// The 23 room lists in their fixed order; saved games store them in this order too.
inline constexpr std::array<ObjectList Game::*, 23> kRoomListsInOrder = {
    &Game::room37Objects, &Game::room36Objects, &Game::room35Objects, &Game::room25Objects,
    &Game::room45Objects, &Game::room55Objects, &Game::room65Objects, &Game::room64Objects,
    &Game::room74Objects, &Game::room73Objects, &Game::room54Objects, &Game::room44Objects,
    &Game::room34Objects, &Game::room53Objects, &Game::room33Objects, &Game::room32Objects,
    &Game::room31Objects, &Game::room21Objects, &Game::room22Objects, &Game::room42Objects,
    &Game::room52Objects, &Game::room24Objects, &Game::room14Objects};

}  // namespace kvelt
