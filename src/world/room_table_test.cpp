// Every room of the map, row by row: its list, description, ways out, door and closing remarks,
// with each flag the map reads set on its own.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "test_support/test_game.h"
#include "world/room_handler.h"

namespace kvelt {
namespace {

using Page = std::vector<std::string>;
using Words = std::vector<std::string>;
using Flag = Integer Game::*;
using G = Game;

// What one visit shows. `ways` is what follows "Můžeš jít na " and also says which ways are
// open; nullptr means the ways are not touched at all. `afterWays` is the rest of the page: the
// answer 27 to the command "prozkoumej dýku" amid the room's own remarks. A visit that `stops`
// shows its description and nothing else.
struct Looks {
  Page description;
  const char* ways;
  Page afterWays = {};
  bool stops = false;
  Words listed = {};  // what the listing shows, where it is not the room's own words
};

// Not a flag: the burning torch carried, which lights the dark room.
constexpr Flag kTorchLit = nullptr;

struct Variant {
  Flag flag;  // set True alone, everything else as at the start of a game
  Looks looks;
};

struct RoomRow {
  Integer x, y;
  ObjectList Game::*list;
  Words objects;     // what start-up puts there, from slot 0 on
  Integer doorCode;  // 0: the room leaves the code alone
  Looks looks;       // with every flag as at the start of a game
  std::vector<Variant> variants;
};

// clang-format off
const std::vector<RoomRow> kRoomRows = {
    {1, 4, &G::room14Objects, {"držák", "prapor"}, 0, {{"26"}, "východ", {"27"}}, {}},
    {2, 1, &G::room21Objects, {"stojan", "kvelt"}, 0, {{"21"}, "východ", {"27"}}, {}},
    {2, 2, &G::room22Objects, {"okno", "stolek", "krb", "ohniště"}, 0, {{"22"}, "východ", {"27"}},
     {{&G::windowRopeTied, {{"22"}, "jih a na východ", {"27"}}}}},
    {2, 4, &G::room24Objects, {"kováře", "soudek", "nádobu", "výheň"}, 0, {{"25"}, "západ a na východ", {"27"}},
     {{&G::chandelierCut, {{"176"}, nullptr, {}, true}}}},
    {2, 5, &G::room25Objects, {"hradby", "příkop"}, 0, {{"7"}, "východ", {"27"}}, {}},
    {3, 1, &G::room31Objects, {"dveře"}, 5, {{"20"}, "jih", {"27"}},
     {{&G::door31Open, {{"20"}, "jih a na západ", {"27"}}}}},
    {3, 2, &G::room32Objects, {"dveře", "stráž"}, 3, {{"19"}, "sever, jih a na západ", {"27", "146"}},
     {{&G::door32Open, {{"19"}, "sever, jih, západ a na východ", {"27", "146"}}},
      {&G::guardKilled, {{"19"}, "sever, jih a na západ", {"27"}}},
      {&G::chandelierCut, {{"19"}, "sever, jih a na západ", {"27", "146", "165"}}}}},
    {3, 3, &G::room33Objects, {"dveře"}, 2, {{"18"}, "jih", {"27"}},
     {{&G::door33Open, {{"18"}, "sever a na jih", {"27"}}}}},
    {3, 4, &G::room34Objects, {"zařízení"}, 0, {{"16"}, "sever, jih, západ a na východ", {"27"}},
     {{&G::deviceJammed, {{"145"}, "sever, západ a na východ", {"27"}}},
      {&G::chandelierCut, {{"16"}, "sever, jih, západ a na východ", {"27", "167"}}}}},
    {3, 5, &G::room35Objects, {"stráž", "hradby", "příkop"}, 0, {{"6"}, "sever, jih, západ a na východ", {"27"}},
     {{&G::deviceJammed, {{"6"}, "jih, západ a na východ", {"27"}}},
      {&G::chandelierCut, {{"168"}, "sever, jih, západ a na východ", {"27"}, false, {"hradby", "příkop"}}}}},
    {3, 6, &G::room36Objects, {"ceduli", "kámen"}, 0, {{"5"}, "sever a na jih", {"27"}}, {}},
    // Message 34 answers the "j" held back, before the command.
    {3, 7, &G::room37Objects, {"Draga", "listinu", "pochodeň", "olej", "dveře"}, 1, {{"2"}, "jih", {"34", "27"}},
     {{&G::door37Open, {{"2"}, "sever a na jih", {"34", "27"}}}}},
    {4, 2, &G::room42Objects, {"dveře", "štít", "meč"}, 4, {{"23"}, "západ", {"27"}},
     {{&G::door42Open, {{"23"}, "západ a na východ", {"27"}}}}},
    {4, 4, &G::room44Objects, {"studnu", "lano"}, 0, {{"15"}, "západ a na východ", {"27"}}, {}},
    {4, 5, &G::room45Objects, {"hradby", "příkop"}, 0, {{"8"}, "západ a na východ", {"27"}}, {}},
    {5, 2, &G::room52Objects, {"lustr", "lano od lustru", "stůl", "kapitána", "zdobený klíč", "knihu"}, 0,
     {{"24"}, "západ", {"27", "157"}},
     {{&G::chandelierCut, {{"24"}, "západ", {"27"}}},
      {&G::captainDefeated, {{"24"}, "západ", {"27"}}}}},
    {5, 3, &G::room53Objects, {"džber", "páčidlo"}, 0, {{"106", "107"}, "jih", {}, true},
     {{kTorchLit, {{"17"}, "jih", {"27"}}}}},
    {5, 4, &G::room54Objects, {"vědro"}, 0, {{"14"}, "sever, západ a na východ", {"27"}}, {}},
    {5, 5, &G::room55Objects, {"hradby", "příkop"}, 0, {{"9"}, "západ a na východ", {"27"}}, {}},
    {6, 4, &G::room64Objects, {"mrtvou stráž"}, 0, {{"11"}, "jih, západ a na východ", {"27"}}, {}},
    {6, 5, &G::room65Objects, {"hradby", "dvířka", "stráž na hradbách"}, 0, {{"10"}, "západ", {"27"}},
     {{&G::hatchOpen, {{"10"}, "sever a na západ", {"27"}}},
      {&G::chandelierCut, {{"10"}, "západ", {"27", "170"}}}}},
    {7, 3, &G::room73Objects, {"hlídače", "koně", "seno"}, 0, {{"13"}, "jih", {"27"}}, {}},
    {7, 4, &G::room74Objects, {"sud", "žebřík"}, 0, {{"12"}, "sever a na západ", {"27"}}, {}},
};
// clang-format on

// Every flag the map reads, and the torch. A room whose row does not name one looks with it
// exactly as it does without it.
const std::vector<Flag> kMapFlags = {&G::door37Open,      &G::door33Open,    &G::door32Open,
                                     &G::door42Open,      &G::door31Open,    &G::hatchOpen,
                                     &G::windowRopeTied,  &G::deviceJammed,  &G::guardKilled,
                                     &G::captainDefeated, &G::chandelierCut, kTorchLit};

constexpr Integer kUntouched = 7;  // neither True nor False: a way the visit did not set
constexpr Integer kNoCode = 9;     // a door code no room has
const std::string kMarker = "značka";

std::array<Integer, 4> exitsOf(const char* ways) {
  if (ways == nullptr) return {kUntouched, kUntouched, kUntouched, kUntouched};
  const std::string named = ways;
  auto open = [&](const char* word) {
    return named.find(word) != std::string::npos ? kTrue : kFalse;
  };
  return {open("sever"), open("jih"), open("západ"), open("východ")};
}

Page expectedPage(const RoomRow& row, const Looks& looks) {
  Page page = looks.description;
  if (looks.stops) return page;
  page.back() += " Vidíš";
  Words listed = looks.listed.empty() ? row.objects : looks.listed;
  listed.push_back(kMarker);
  page.insert(page.end(), listed.begin(), listed.end());
  page.push_back(std::string("Můžeš jít na ") + looks.ways);
  page.insert(page.end(), looks.afterWays.begin(), looks.afterWays.end());
  return page;
}

// One visit of the row's room in a new game, with `flag` set True and a marker word in slot 10 of
// the list the row names. The command "prozkoumej dýku" (the dagger is carried) answers in
// every room the handler lets it reach, and the turn's line as the movement step left it is "j",
// which the start room answers while its way south is held back.
void visit(const RoomRow& row, const Flag* flag, const Looks& looks) {
  testing::TestGame t;
  t.start();
  Game& game = t.game;
  if (flag != nullptr && *flag == kTorchLit) game.inventory[1] = "hořící pochodeň";
  if (flag != nullptr && *flag != kTorchLit) game.*(*flag) = kTrue;
  ObjectList& list = game.*row.list;
  for (std::size_t slot = 0; slot < row.objects.size(); ++slot) {
    EXPECT_EQ(list[slot], row.objects[slot]) << "slot " << slot;
  }
  EXPECT_EQ(list[row.objects.size()], "") << "after the last word";
  list[10] = kMarker;
  game.posX = row.x;
  game.posY = row.y;
  game.Text1 = "prozkoumej dýku";
  game.lastCommand = "j";
  game.Text2 = "the page before";
  game.exits = {kUntouched, kUntouched, kUntouched, kUntouched};
  game.doorRoomCode = kNoCode;

  popisy(game);
  EXPECT_EQ(testing::readPage(game.Text2), expectedPage(row, looks));
  EXPECT_EQ(game.exits, exitsOf(looks.ways));
  EXPECT_EQ(game.doorRoomCode, looks.stops || row.doorCode == 0 ? kNoCode : row.doorCode);
}

TEST(RoomTableTest, EveryRoomWithEachFlagOfTheMap) {
  for (const RoomRow& row : kRoomRows) {
    const std::string room = "room (" + std::to_string(row.x) + "," + std::to_string(row.y) + ")";
    {
      SCOPED_TRACE(room + " at the start");
      visit(row, nullptr, row.looks);
    }
    for (const Flag& flag : kMapFlags) {
      const Looks* looks = &row.looks;
      for (const Variant& variant : row.variants) {
        if (variant.flag == flag) looks = &variant.looks;
      }
      SCOPED_TRACE(room + " with map flag " + std::to_string(&flag - kMapFlags.data()));
      visit(row, &flag, *looks);
    }
  }
}

TEST(RoomTableTest, TheTableHoldsTheWholeMap) {
  EXPECT_EQ(kRoomRows.size(), 23u);
  for (Integer x = 0; x <= 8; ++x) {
    for (Integer y = 0; y <= 8; ++y) {
      bool listed = false;
      for (const RoomRow& row : kRoomRows) listed = listed || (row.x == x && row.y == y);
      testing::TestGame t;
      EXPECT_EQ(roomObjects(t.game, x, y) != nullptr, listed) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace kvelt
