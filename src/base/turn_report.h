// What the last press of Enter did, as the engine saw it, for the answers a front end gives.
#pragma once

#include <array>

namespace kvelt {

enum class SlotCommand { none, save, load };

// Filled in by the turn loop on every Enter and left as it is until the next one. Nothing of it
// reaches the page or a save file: it only tells a front end what happened behind the page.
struct TurnReport {
  bool exitRequested = false;  // "exit", or any Enter after the end: the program has ended
  SlotCommand slotCommand = SlotCommand::none;
  int slot = 0;              // the slot of a save or load command, 1 to 10
  bool slotDone = false;     // that save or load worked; a failure gives a notice instead
  bool direction = false;    // the line was one of the four movement letters
  bool moved = false;        // the movement step changed the position
  bool firstTurn = false;    // the first-turn message stood in for the room
  bool roomVisited = false;  // the room handler listed the room and recognised the line
  bool recognised = false;   // the line was a sentence about what is seen or carried
  int answers = 0;           // lines the command, the room's answer and the carry checks printed
  bool gameEnded = false;    // the game is over after this turn
  int printed = 0;           // every message, reply and listing so far this turn (a running count)
  bool waysListed = false;   // "Můžeš jít na" stands on the page, naming waysNamed
  std::array<bool, 4> waysNamed{};  // north, south, west, east as that sentence named them
  bool won = false;                 // the closing sequence: the game is won
  bool lineCut = false;             // the line was too long and only its beginning was played
};

}  // namespace kvelt
