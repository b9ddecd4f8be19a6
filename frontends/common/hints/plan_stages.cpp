// The story as a list of things still to be done.
#include "common/hints/plan_stages.h"

#include <array>
#include <string>

namespace kvelt {
namespace {

struct RoomAt {
  Integer x, y;
};
// The coordinates of kRoomListsInOrder, list by list.
constexpr std::array<RoomAt, 23> kRoomCoordinates = {
    {{3, 7}, {3, 6}, {3, 5}, {2, 5}, {4, 5}, {5, 5}, {6, 5}, {6, 4}, {7, 4}, {7, 3}, {5, 4}, {4, 4},
     {3, 4}, {5, 3}, {3, 3}, {3, 2}, {3, 1}, {2, 1}, {2, 2}, {4, 2}, {5, 2}, {2, 4}, {1, 4}}};

bool t(Integer flag) {
  return isTrue(flag);
}
bool inDarkRoom(const Game& g, std::string_view word) {
  return !word.empty() && lies(g.room53Objects, word);
}
bool neededFromTheDark(const Game& g);

const std::vector<Stage>& stages() {
  static const std::vector<Stage> kStages = {
      {"stone",
       "hatch",
       "použij kámen na stráž na hradbách",
       "kámen",
       "stráž na hradbách",
       6,
       5,
       {},
       [](const Game& g) { return t(g.wallGuardDown); }},
      {"oil",
       "hatch",
       "použij olej na dvířka",
       "olej",
       "dvířka",
       6,
       5,
       {},
       [](const Game& g) { return t(g.hatchOiled); }},
      {"pry",
       "hatch",
       "použij dýku na dvířka",
       "dýku",
       "dvířka",
       6,
       5,
       {},
       [](const Game& g) { return t(g.hatchPried); }},
      {"search",
       "uniform",
       "prozkoumej mrtvou stráž",
       "",
       "mrtvou stráž",
       0,
       0,
       {},
       [](const Game& g) { return t(g.deadGuardSearched); }},
      {"dress",
       "uniform",
       "použij uniformu",
       "uniformu",
       "",
       0,
       0,
       {},
       [](const Game& g) { return t(g.uniformWorn); }},
      {"hide",
       "uniform",
       "vezmi mrtvou stráž",
       "",
       "mrtvou stráž",
       0,
       0,
       {},
       [](const Game& g) { return t(g.deadGuardHidden); }},
      {"ladder",
       "banner",
       "použij žebřík na držák",
       "žebřík",
       "držák",
       1,
       4,
       {},
       [](const Game& g) { return t(g.bannerCut) || t(g.ladderOnHolder) || carries(g, "prapor"); }},
      {"banner",
       "banner",
       "vezmi prapor",
       "",
       "prapor",
       0,
       0,
       {},
       [](const Game& g) { return t(g.bannerCut) || carries(g, "prapor"); }},
      {"cut",
       "banner",
       "použij dýku na prapor",
       "dýku",
       "prapor",
       0,
       0,
       {},
       [](const Game& g) { return t(g.bannerCut); }},
      {"jam",
       "banner",
       "použij žerď na zařízení",
       "žerď",
       "zařízení",
       3,
       4,
       {},
       [](const Game& g) { return t(g.deviceJammed); }},
      {"light",
       "crank",
       "použij pochodeň na výheň",
       "pochodeň",
       "výheň",
       2,
       4,
       {},
       [](const Game& g) { return carries(g, "hořící pochodeň") || !neededFromTheDark(g); }},
      {"crowbar",
       "crank",
       "vezmi páčidlo",
       "",
       "páčidlo",
       5,
       3,
       {"hořící pochodeň"},
       [](const Game& g) { return !inDarkRoom(g, "páčidlo"); }},
      {"pail",
       "crank",
       "vezmi džber",
       "",
       "džber",
       5,
       3,
       {"hořící pochodeň"},
       [](const Game& g) { return !inDarkRoom(g, "džber"); }},
      {"barrel",
       "crank",
       "použij páčidlo na sud",
       "páčidlo",
       "sud",
       7,
       4,
       {},
       [](const Game& g) { return t(g.barrelOpened); }},
      {"fill",
       "crank",
       "použij nádobu na sud",
       "nádobu",
       "sud",
       7,
       4,
       {},
       [](const Game& g) { return t(g.vesselFilled); }},
      {"serve",
       "crank",
       "použij nádobu na kováře",
       "nádobu",
       "kováře",
       2,
       4,
       {},
       [](const Game& g) { return t(g.smithServed); }},
      {"forge",
       "crank",
       "použij páčidlo na kováře",
       "páčidlo",
       "kováře",
       2,
       4,
       {},
       [](const Game& g) { return t(g.wellCrankFitted) || existsAnywhere(g, "kliku"); }},
      {"drink",
       "key",
       "použij džber na soudek",
       "džber",
       "soudek",
       2,
       4,
       {},
       [](const Game& g) { return t(g.pailFilled); }},
      {"crank",
       "well",
       "použij kliku na studnu",
       "kliku",
       "studnu",
       4,
       4,
       {},
       [](const Game& g) { return t(g.wellCrankFitted); }},
      {"draw",
       "well",
       "použij vědro na studnu",
       "vědro",
       "studnu",
       4,
       4,
       {},
       [](const Game& g) { return t(g.bucketFull); }},
      {"rope",
       "well",
       "vezmi lano",
       "",
       "lano",
       0,
       0,
       {},
       [](const Game& g) { return t(g.windowRopeTied) || carries(g, "lano"); }},
      {"watchman",
       "key",
       "použij džber na hlídače",
       "džber",
       "hlídače",
       7,
       3,
       {},
       [](const Game& g) { return t(g.watchmanDown); }},
      {"pockets",
       "key",
       "prozkoumej hlídače",
       "",
       "hlídače",
       7,
       3,
       {},
       [](const Game& g) { return t(g.watchmanSearched); }},
      {"hay",
       "key",
       "prozkoumej seno",
       "",
       "seno",
       7,
       3,
       {},
       [](const Game& g) { return t(g.haySearched); }},
      {"needle",
       "key",
       "vezmi jehlu",
       "",
       "jehlu",
       0,
       0,
       {},
       [](const Game& g) { return t(g.standNeedleSet) || keptUpstairs(g, "jehlu"); }},
      {"unlock",
       "key",
       "použij klíč na dveře",
       "klíč",
       "dveře",
       3,
       3,
       {},
       [](const Game& g) { return t(g.door33Unlocked); }},
      {"guard",
       "fight",
       "použij dýku na stráž",
       "dýku",
       "stráž",
       3,
       2,
       {},
       [](const Game& g) { return t(g.guardKilled); }},
      {"hearth",
       "fire",
       "použij vědro na ohniště",
       "vědro",
       "ohniště",
       2,
       2,
       {},
       [](const Game& g) { return t(g.hearthQuenched); }},
      {"nail",
       "fire",
       "vezmi hřebík",
       "",
       "hřebík",
       0,
       0,
       {},
       [](const Game& g) { return t(g.standNailSet) || keptUpstairs(g, "hřebík"); }},
      {"window",
       "fire",
       "použij lano na okno",
       "lano",
       "okno",
       2,
       2,
       {},
       [](const Game& g) { return t(g.windowRopeTied); }},
      {"shield",
       "fight",
       "použij štít na kapitána",
       "štít",
       "kapitána",
       5,
       2,
       {"meč"},
       [](const Game& g) { return t(g.captainShielded); }},
      {"sword",
       "fight",
       "použij meč na kapitána",
       "meč",
       "kapitána",
       5,
       2,
       {},
       [](const Game& g) { return t(g.captainStruck); }},
      {"chandelier",
       "fight",
       "použij meč na lano od lustru",
       "meč",
       "lano od lustru",
       5,
       2,
       {},
       [](const Game& g) { return t(g.chandelierCut); }},
      {"treasury",
       "treasury",
       "použij zdobený klíč na dveře",
       "zdobený klíč",
       "dveře",
       3,
       1,
       {},
       [](const Game& g) { return t(g.door31Unlocked); }},
      {"place-needle",
       "treasury",
       "použij jehlu na stojan",
       "jehlu",
       "stojan",
       2,
       1,
       {},
       [](const Game& g) { return t(g.standNeedleSet); }},
      {"place-nail",
       "treasury",
       "použij hřebík na stojan",
       "hřebík",
       "stojan",
       2,
       1,
       {},
       [](const Game& g) { return t(g.standNailSet); }},
      {"kvelt",
       "treasury",
       "vezmi kvelt",
       "",
       "kvelt",
       2,
       1,
       {},
       [](const Game& g) { return t(g.kveltTaken); }},
      {"home", "home", "j", "", "", 3, 6, {}, [](const Game& g) { return won(g); }},
  };
  return kStages;
}

// What a stage still to come needs lies in the dark room, where only the lit torch finds it:
// the crowbar and the pail at first, and whatever the player leaves there later.
bool neededFromTheDark(const Game& g) {
  for (const Stage& stage : stages()) {
    if (std::string_view(stage.id) == "light" || stage.done(g)) continue;
    const bool takesTarget = std::string_view(stage.line).starts_with("vezmi ");
    if (inDarkRoom(g, stage.object) || (takesTarget && inDarkRoom(g, stage.target))) return true;
    for (const char* also : stage.alsoCarried) {
      if (inDarkRoom(g, also)) return true;
    }
  }
  return false;
}

}  // namespace

std::span<const Stage> storyStages() {
  return stages();
}

std::size_t firstOpenStage(const Game& game) {
  const auto& all = stages();
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (!all[i].done(game)) return i;
  }
  return all.size();
}

bool carries(const Game& game, std::string_view word) {
  for (const std::string& slot : game.inventory) {
    if (slot == word) return true;
  }
  return false;
}

bool lies(const ObjectList& list, std::string_view word, int lastSlot) {
  for (int i = 0; i <= lastSlot; ++i) {
    if (list[static_cast<std::size_t>(i)] == word) return true;
  }
  return false;
}

bool inSight(const Game& game, std::string_view word) {
  return lies(game.currentRoomObjects, word);
}

const ObjectList* roomList(const Game& game, Integer x, Integer y) {
  for (std::size_t i = 0; i < kRoomCoordinates.size(); ++i) {
    if (kRoomCoordinates[i].x == x && kRoomCoordinates[i].y == y) {
      return &(game.*kRoomListsInOrder[i]);
    }
  }
  return nullptr;
}

bool existsAnywhere(const Game& game, std::string_view word) {
  if (carries(game, word)) return true;
  for (ObjectList Game::*list : kRoomListsInOrder) {
    if (lies(game.*list, word)) return true;
  }
  return false;
}

bool inUpperFloor(Integer x, Integer y) {
  return (y == 1 && (x == 2 || x == 3)) || (y == 2 && x >= 2 && x <= 5);
}

bool keptUpstairs(const Game& game, std::string_view word) {
  if (carries(game, word)) return true;
  for (std::size_t i = 0; i < kRoomCoordinates.size(); ++i) {
    if (inUpperFloor(kRoomCoordinates[i].x, kRoomCoordinates[i].y) &&
        lies(game.*kRoomListsInOrder[i], word)) {
      return true;
    }
  }
  return false;
}

bool won(const Game& game) {
  return isTrue(game.gameOver) && isTrue(game.kveltTaken) && game.posX == 3 && game.posY == 6;
}

int carriedCount(const Game& game) {
  int count = 0;
  for (const std::string& slot : game.inventory) {
    if (!slot.empty()) ++count;
  }
  return count;
}

}  // namespace kvelt
