// Use rules: the puzzles, one rule per carried object, each row a target and a condition.
#include <array>

#include "commands/common_operations.h"
#include "commands/flag_tests.h"
#include "commands/rule_groups.h"
#include "text/carried_pane.h"
#include "text/catalogue.h"

namespace kvelt {
namespace {

using Effect = void (*)(Game&);
using G = Game;

// Target of a row: a word, or one of these two.
constexpr const char* kUnlooked = nullptr;  // the target is not looked at
constexpr char kOtherTarget[] = "";         // any word that no other row of the rule names

struct UseRow {
  const char* object;
  const char* target;
  FlagTest when;
  Effect effect;  // carried out left to right
};

void die(Game& game) {
  showMessage(game, 92);
  game.gameOver = kTrue;
}

// The banner is looked for in slots 0 to 10 and exchanged in slots 0 to 20. The pole takes
// the banner's place; the cloth goes into the first empty slot after that.
void cutBanner(Game& game) {
  if (carries(game, "prapor")) game.bannerCut = kTrue;
  if (on<&G::bannerCut>(game)) showMessage(game, 129);
  if (off<&G::bannerCut>(game)) showMessage(game, 130);
  if (on<&G::bannerCut>(game)) {
    for (std::string& slot : game.inventory) {
      if (slot == "prapor") slot = "žerď";
      if (slot.empty()) {
        slot = "látku";
        break;
      }
    }
  }
  inv(game);
}

void killGuard(Game& game) {
  showMessage(game, 147);
  game.guardKilled = kTrue;
  for (std::string& lying : game.currentRoomObjects) {
    if (lying == "stráž") lying = "mrtvolu";
  }
  relistRoom(game);
}

// The stone and the guard on the wall leave their lists in one pass over slots 0 to 10.
void stoneTheWallGuard(Game& game) {
  showMessage(game, 93);
  game.wallGuardDown = kTrue;
  for (int slot = 0; slot <= 10; ++slot) {
    if (game.inventory[slot] == "kámen") game.inventory[slot].clear();
    if (game.currentRoomObjects[slot] == "stráž na hradbách") game.currentRoomObjects[slot].clear();
  }
  inv(game);
  relistRoom(game);
}

// The ladder only finds room in slots 0 to 10; when they are full it is gone, and it
// still counts as standing at the holder.
void raiseLadder(Game& game) {
  game.ladderOnHolder = kTrue;
  showMessage(game, 105);
  for (int slot = 0; slot <= 10; ++slot) {
    if (game.inventory[slot] == "žebřík") game.inventory[slot].clear();
  }
  placeInRoom(game, "žebřík", 10);
  inv(game);
  relistRoom(game);
}

void quenchHearth(Game& game) {
  game.hearthQuenched = kTrue;
  showMessage(game, 139);
  placeInRoom(game, "hřebík");
  removeCarried(game, "vědro");
  relistRoom(game);
}

// The captain falls to shield and sword together, in either order, as often as it is tried.
void captainBeatenIf(Game& game, Integer Game::*other) {
  if (!isTrue(game.*other)) return;
  showMessage(game, 155);
  game.captainDefeated = kTrue;
}

// One rule per usable object, its rows in the order they are tried. An object that no row
// names has no use at all: useRules answers that itself.
// clang-format off
const auto kUseRows = std::to_array<UseRow>({
    // the oil: on the hatch
    {"olej", "dvířka", off<&G::wallGuardDown>, die},
    {"olej", "dvířka", on<&G::wallGuardDown>, [](G& g) { showMessage(g, 83); g.hatchOiled = kTrue; removeCarried(g, "olej"); }},
    // the dagger: the banner, the hatch, the guard
    {"dýku", "prapor", always, cutBanner},
    {"dýku", "dvířka", both<on<&G::hatchOiled>, off<&G::hatchPried>>, [](G& g) { showMessage(g, 84); g.hatchPried = kTrue; }},
    {"dýku", "dvířka", both<off<&G::hatchOiled>, off<&G::wallGuardDown>>, die},
    {"dýku", "dvířka", both<off<&G::hatchOiled>, on<&G::wallGuardDown>>, [](G& g) { showMessage(g, 88); }},
    {"dýku", "stráž", inRow<2>, killGuard},
    {"dýku", kOtherTarget, always, [](G& g) { showMessage(g, 128); }},
    // the stone: at the guard on the walls
    {"kámen", "stráž na hradbách", always, stoneTheWallGuard},
    // the uniform: put on and taken off
    {"uniformu", kUnlooked, off<&G::uniformWorn>, [](G& g) { g.uniformWorn = kTrue; showMessage(g, 96); }},
    {"uniformu", kUnlooked, on<&G::uniformWorn>, [](G& g) { g.uniformWorn = kFalse; showMessage(g, 97); }},
    // the torch: lit at the forge
    {"pochodeň", "výheň", always, [](G& g) { showMessage(g, 102); replaceCarried(g, "pochodeň", "hořící pochodeň"); }},
    // the ladder: on the holder
    {"žebřík", "držák", always, raiseLadder},
    // the crowbar: on the barrel and for the smith
    {"páčidlo", "sud", off<&G::barrelOpened>, [](G& g) { g.barrelOpened = kTrue; showMessage(g, 108); }},
    {"páčidlo", "kováře", off<&G::barrelOpened>, [](G& g) { showMessage(g, 109); }},
    {"páčidlo", "kováře", both<on<&G::barrelOpened>, on<&G::smithServed>>, [](G& g) { showMessage(g, 110); replaceCarried(g, "páčidlo", "kliku"); }},
    {"páčidlo", "kováře", both<on<&G::barrelOpened>, off<&G::smithServed>>, [](G& g) { showMessage(g, 111); }},
    // the vessel: filled at the barrel, given to the smith
    {"nádobu", "sud", off<&G::vesselFilled>, [](G& g) { showMessage(g, 112); g.vesselFilled = kTrue; }},
    {"nádobu", "sud", on<&G::vesselFilled>, [](G& g) { showMessage(g, 117); }},
    {"nádobu", "kováře", off<&G::vesselFilled>, [](G& g) { showMessage(g, 113); }},
    {"nádobu", "kováře", on<&G::vesselFilled>, [](G& g) { showMessage(g, 114); g.smithServed = kTrue; removeCarried(g, "nádobu"); }},
    // the pail: filled at the keg, thrown at the watchman
    {"džber", "soudek", both<on<&G::smithServed>, off<&G::pailFilled>>, [](G& g) { showMessage(g, 115); g.pailFilled = kTrue; }},
    {"džber", "soudek", off<&G::smithServed>, [](G& g) { showMessage(g, 111); }},
    {"džber", "soudek", both<on<&G::smithServed>, on<&G::pailFilled>>, [](G& g) { showMessage(g, 116); }},
    {"džber", "hlídače", on<&G::pailFilled>, [](G& g) { showMessage(g, 125); g.watchmanDown = kTrue; removeCarried(g, "džber"); }},
    // the crank: fitted to the well
    {"kliku", "studnu", always, [](G& g) { showMessage(g, 120); g.wellCrankFitted = kTrue; removeCarried(g, "kliku"); }},
    // the bucket: at the well and on the hearth
    {"vědro", "ohniště", on<&G::bucketFull>, quenchHearth},
    {"vědro", "ohniště", off<&G::bucketFull>, [](G& g) { showMessage(g, 140); }},
    {"vědro", "studnu", both<on<&G::wellCrankFitted>, off<&G::bucketFull>>, [](G& g) { g.bucketFull = kTrue; g.ropeFree = kTrue; showMessage(g, 121); }},
    {"vědro", "studnu", off<&G::wellCrankFitted>, [](G& g) { showMessage(g, 122); }},
    {"vědro", "studnu", both<on<&G::wellCrankFitted>, on<&G::bucketFull>>, [](G& g) { showMessage(g, 123); }},
    // the pole: jammed in the device
    {"žerď", "zařízení", always, [](G& g) { showMessage(g, 131); g.deviceJammed = kTrue; g.exits[south] = kFalse; removeCarried(g, "žerď"); }},
    // the key: in the door of (3,3)
    {"klíč", "dveře", both<inRow<3>, off<&G::door33Unlocked>>, [](G& g) { g.door33Unlocked = kTrue; showMessage(g, 133); }},
    {"klíč", "dveře", both<inRow<3>, on<&G::door33Unlocked>>, [](G& g) { showMessage(g, 134); }},
    // the rope: tied to the window
    {"lano", "okno", always, [](G& g) { showMessage(g, 143); g.windowRopeTied = kTrue; g.exits[south] = kTrue; removeCarried(g, "lano"); }},
    // the shield: against the captain
    {"štít", "kapitána", always, [](G& g) { g.captainShielded = kTrue; showMessage(g, 153); captainBeatenIf(g, &G::captainStruck); }},
    // the sword: against the captain and the chandelier's rope
    {"meč", "kapitána", always, [](G& g) { g.captainStruck = kTrue; showMessage(g, 154); captainBeatenIf(g, &G::captainShielded); }},
    {"meč", "lano od lustru", on<&G::captainDefeated>, [](G& g) { showMessage(g, 156); g.chandelierCut = kTrue; }},
    // the ornate key: in the door of (3,1)
    {"zdobený klíč", "dveře", both<inRow<1>, off<&G::door31Unlocked>>, [](G& g) { g.door31Unlocked = kTrue; showMessage(g, 160); }},
    {"zdobený klíč", "dveře", both<inRow<1>, on<&G::door31Unlocked>>, [](G& g) { showMessage(g, 134); }},
    // the needle: in the stand
    {"jehlu", "stojan", always, [](G& g) { showMessage(g, 163); g.standNeedleSet = kTrue; removeCarried(g, "jehlu"); }},
    // the nail: in the stand
    {"hřebík", "stojan", always, [](G& g) { showMessage(g, 164); g.standNailSet = kTrue; removeCarried(g, "hřebík"); }},
});
// clang-format on

bool targetMatches(const UseRow& row, const std::string& object, const std::string& target) {
  if (row.target == kUnlooked) return true;
  if (row.target != kOtherTarget) return target == row.target;
  for (const UseRow& other : kUseRows) {
    if (other.object == object && other.target != kOtherTarget && other.target != kUnlooked &&
        target == other.target) {
      return false;
    }
  }
  return true;
}

}  // namespace

void useRules(Game& game) {
  const std::string object = game.commandObject;
  const std::string target = game.commandTarget;
  // The first row naming the object selects its rule; a rule whose rows all fail is silent.
  bool hasRule = false;
  for (const UseRow& row : kUseRows) {
    if (object != row.object) continue;
    hasRule = true;
    if (!targetMatches(row, object, target) || !row.when(game)) continue;
    row.effect(game);
    return;
  }
  if (!hasRule) appendReply(game, object + kCannotUse);
}

}  // namespace kvelt
