// Take and drop rules: what can be carried, the seven-object limit, and the guarded words.
#include <algorithm>
#include <array>
#include <string_view>

#include "commands/common_operations.h"
#include "commands/flag_tests.h"
#include "commands/rule_groups.h"
#include "text/carried_pane.h"
#include "text/catalogue.h"

namespace kvelt {
namespace {

// The words a take accepts, in the order the take tests them.
constexpr auto kTakeable = std::to_array<std::string_view>(
    {"dýku",   "olej",  "knihu",    "pochodeň",     "listinu", "kámen",  "mrtvou stráž",
     "žebřík", "klíč",  "vědro",    "páčidlo",      "džber",   "jehlu",  "kvelt",
     "hřebík", "štít",  "meč",      "zdobený klíč", "lano",    "nádobu", "prapor",
     "žerď",   "látku", "uniformu", "kliku"});

// A burning torch can be put down, but it goes out: the room gets an unlit "pochodeň".
constexpr std::string_view kBurningTorch = "hořící pochodeň";
constexpr std::string_view kTorch = "pochodeň";

// Slot 6 is the seventh: while it holds a word the hands are full.
constexpr int kLastFreeHand = 6;
constexpr int kTakeLastSlot = 10;  // a take fills and shows inventory slots 0 to 10

bool takeable(const std::string& word) {
  return std::find(kTakeable.begin(), kTakeable.end(), word) != kTakeable.end();
}

bool droppable(const std::string& word) {
  return takeable(word) || word == kBurningTorch;
}

}  // namespace

void takeRules(Game& game) {
  const std::string& word = game.commandObject;
  // The refusals and traps come first, in this order; each ends the take.
  if (!takeable(word)) {
    appendReply(game, word + kCannotTake);
    return;
  }
  if (!game.inventory[kLastFreeHand].empty()) {
    showMessage(game, 175);
    return;
  }
  if (word == "kvelt" && (isFalse(game.standNeedleSet) || isFalse(game.standNailSet))) {
    showMessage(game, 162);
    game.gameOver = kTrue;
    return;
  }
  if (word == "kvelt") game.kveltTaken = kTrue;
  if (word == "prapor" && isFalse(game.ladderOnHolder)) {
    showMessage(game, 104);
    return;
  }
  if (word == "lano" && isFalse(game.ropeFree)) {
    showMessage(game, 119);
    return;
  }
  // The words that change a flag as they are picked up.
  if (word == "žebřík") game.ladderOnHolder = kFalse;
  if (word == "mrtvou stráž") game.deadGuardHidden = kTrue;

  // Into the first free hand, out of the room (every copy), the pane, silence, the listing.
  for (int slot = 0; slot <= kTakeLastSlot; ++slot) {
    if (game.inventory[slot].empty()) {
      game.inventory[slot] = word;
      appendReply(game, kTookLead + word + kTookTail);
      break;
    }
  }
  for (std::string& lying : game.currentRoomObjects) {
    if (lying == word) lying.clear();
  }
  // Eleven lines, gaps and all: the take writes the pane itself rather than through inv.
  for (Integer slot = 0; slot <= kTakeLastSlot; ++slot)
    showCarried(game, game.inventory[slot], slot);
  game.itemMovedThisTurn = kItemMoved;
  relistRoom(game);
}

void dropRules(Game& game) {
  const std::string word = game.commandObject;
  if (!droppable(word)) return;
  // The flags change first, even when the room turns out to have no space.
  if (word == "mrtvou stráž" && game.posY < 5) game.deadGuardHidden = kFalse;
  if (word == "uniformu") game.uniformWorn = kFalse;

  // Every carried copy goes down, each into the first free slot of the room.
  for (std::string& carried : game.inventory) {
    if (carried != word) continue;
    auto free = std::find(game.currentRoomObjects.begin(), game.currentRoomObjects.end(), "");
    if (free == game.currentRoomObjects.end()) continue;
    *free = carried == kBurningTorch ? std::string(kTorch) : carried;
    appendReply(game, kDroppedLead + carried);
    carried.clear();
  }
  inv(game);
  game.itemMovedThisTurn = kItemMoved;
  relistRoom(game);
}

}  // namespace kvelt
