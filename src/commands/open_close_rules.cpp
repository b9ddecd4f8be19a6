// Open and close rules: the five doors and the hatch, their locks and their ways out.
#include <array>

#include "commands/common_operations.h"
#include "commands/flag_tests.h"
#include "commands/rule_groups.h"
#include "text/catalogue.h"

namespace kvelt {
namespace {

constexpr const char* kDoor = "dveře";
constexpr const char* kHatch = "dvířka";
constexpr Integer kAnyCode = 0;  // the hatch is the same whichever door the room names

// A row that moves a passage gives its flag and its way out the same value at once, so the
// move typed on the next turn already goes through (or is stopped).
struct PassageRow {
  const char* word;
  Integer doorCode;
  FlagTest when;
  Integer message;
  Integer Game::*passage = nullptr;  // nullptr: the row only answers
  Way way = north;
};

using G = Game;

// clang-format off
constexpr auto kOpenRows = std::to_array<PassageRow>({
    {kDoor, 1, off<&G::door37Open>, 79, &G::door37Open, north},
    {kDoor, 1, on<&G::door37Open>, 81},
    {kDoor, 2, both<off<&G::door33Open>, on<&G::door33Unlocked>>, 135, &G::door33Open, north},
    {kDoor, 2, both<off<&G::door33Open>, off<&G::door33Unlocked>>, 136},
    {kDoor, 2, on<&G::door33Open>, 81},
    {kDoor, 3, off<&G::door32Open>, 150, &G::door32Open, east},
    {kDoor, 3, on<&G::door32Open>, 81},
    {kDoor, 4, off<&G::door42Open>, 150, &G::door42Open, east},
    {kDoor, 4, on<&G::door42Open>, 81},
    {kDoor, 5, both<off<&G::door31Open>, on<&G::door31Unlocked>>, 161, &G::door31Open, west},
    {kDoor, 5, on<&G::door31Open>, 81},
    {kDoor, 5, both<off<&G::door31Open>, off<&G::door31Unlocked>>, 136},
    {kHatch, kAnyCode, off<&G::hatchPried>, 87},
    {kHatch, kAnyCode, both<on<&G::hatchPried>, on<&G::hatchOpen>>, 81},
    {kHatch, kAnyCode, both<on<&G::hatchPried>, off<&G::hatchOpen>>, 85, &G::hatchOpen, north},
});

// Closing an already closed door answers 82 for the first three doors and the hatch, but 81
// for the doors of codes 4 and 5.
constexpr auto kCloseRows = std::to_array<PassageRow>({
    {kDoor, 1, on<&G::door37Open>, 80, &G::door37Open, north},
    {kDoor, 1, off<&G::door37Open>, 82},
    {kDoor, 2, on<&G::door33Open>, 137, &G::door33Open, north},
    {kDoor, 2, off<&G::door33Open>, 82},
    {kDoor, 3, on<&G::door32Open>, 151, &G::door32Open, east},
    {kDoor, 3, off<&G::door32Open>, 82},
    {kDoor, 4, on<&G::door42Open>, 151, &G::door42Open, east},
    {kDoor, 4, off<&G::door42Open>, 81},
    {kDoor, 5, on<&G::door31Open>, 151, &G::door31Open, west},
    {kDoor, 5, off<&G::door31Open>, 81},
    {kHatch, kAnyCode, on<&G::hatchOpen>, 86, &G::hatchOpen, north},
    {kHatch, kAnyCode, off<&G::hatchOpen>, 82},
});
// clang-format on

template <std::size_t N>
void movePassage(Game& game, const std::array<PassageRow, N>& rows, Integer becomes) {
  const std::string& word = game.commandObject;
  if (word != kDoor && word != kHatch) {
    appendReply(game, word + kCannotOpen);
    return;
  }
  for (const PassageRow& row : rows) {
    if (word != row.word) continue;
    if (row.doorCode != kAnyCode && row.doorCode != game.doorRoomCode) continue;
    if (!row.when(game)) continue;
    showMessage(game, row.message);
    if (row.passage != nullptr) {
      game.*row.passage = becomes;
      game.exits[row.way] = becomes;
    }
    return;
  }
}

}  // namespace

void openRules(Game& game) {
  movePassage(game, kOpenRows, kTrue);
}
void closeRules(Game& game) {
  movePassage(game, kCloseRows, kFalse);
}

}  // namespace kvelt
