// Every fatal and final situation of the turn loop, with a near miss for the tokens that decide.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "test_support/test_game.h"

namespace kvelt {
namespace {

using Page = std::vector<std::string>;
using Flag = Integer Game::*;
using G = Game;

struct GateCase {
  Integer x, y;
  std::vector<Flag> trueBefore;  // every other flag as at the start of a game
  const char* line;
  Page page;  // empty: no gate holds, and the game goes on
};

// clang-format off
const std::vector<GateCase> kGateCases = {
    {3, 6, {&G::kveltTaken}, "j", {"171", "172", "179", "177", "178", "179", "179", "179", "180"}},
    {3, 6, {&G::chandelierCut}, "j", {"173"}},
    {3, 2, {}, "z", {"148"}},
    {3, 2, {&G::guardKilled}, "s", {}},
    {6, 5, {&G::chandelierCut}, "s", {"169"}},
    {6, 5, {&G::chandelierCut}, "j", {}},
    {5, 2, {}, "s", {"158"}},
    {5, 2, {}, "použij štít na kapitána", {}},
    {5, 2, {}, "použij meč na lano od lustru", {}},
    {1, 4, {}, "v", {"98"}},
    {2, 5, {}, "z", {}},
    {3, 2, {&G::guardKilled, &G::deadGuardHidden, &G::chandelierCut}, "j", {"166"}},
    {3, 4, {&G::chandelierCut, &G::deviceJammed}, "s", {"166"}},
    {3, 5, {}, "s", {"91"}},
    {3, 4, {&G::deadGuardHidden}, "j", {"91"}},
    {3, 4, {&G::deadGuardHidden, &G::deviceJammed}, "j", {}},
    {3, 3, {&G::door33Open}, "s", {"138"}},
    {3, 3, {&G::door33Open, &G::uniformWorn}, "s", {}},
    {2, 4, {}, "", {"103"}},
    {2, 4, {&G::uniformWorn}, "", {}},
    {7, 3, {}, "", {"118"}},
    {7, 4, {}, "", {}},
};
// clang-format on

// The case's room and flags, with no way out of the room: each gate sees the room it names.
Game& setUp(testing::TestGame& t, const GateCase& c) {
  t.startPlaying();
  Game& game = t.game;
  game.posX = c.x;
  game.posY = c.y;
  for (Flag flag : c.trueBefore) game.*flag = kTrue;
  game.exits = {kFalse, kFalse, kFalse, kFalse};
  game.Text2 = "the page before";
  return game;
}

TEST(GateTableTest, EveryGateAndItsNearMiss) {
  for (const GateCase& c : kGateCases) {
    SCOPED_TRACE("(" + std::to_string(c.x) + "," + std::to_string(c.y) + ") \"" + c.line + "\"");
    testing::TestGame t;
    Game& game = setUp(t, c);
    t.enter(c.line);
    EXPECT_EQ(game.gameOver, c.page.empty() ? kFalse : kTrue);
    if (!c.page.empty()) {
      EXPECT_EQ(testing::readPage(game.Text2), c.page);
    }
    EXPECT_EQ(game.posX, c.x);
    EXPECT_EQ(game.posY, c.y);
  }
}

// A flag that holds neither -1 nor 0 (a state file edited by hand) is neither True nor False:
// no gate holds on it, whether the gate asks for True or for False.
TEST(GateTableTest, AFlagThatIsNeitherTrueNorFalseOpensNoGate) {
  std::vector<Flag> gateFlags;
  for (const GateCase& c : kGateCases) {
    for (Flag flag : c.trueBefore) {
      if (std::find(gateFlags.begin(), gateFlags.end(), flag) == gateFlags.end()) {
        gateFlags.push_back(flag);
      }
    }
  }
  for (Integer stray : {Integer(1), Integer(-2), Integer(2), Integer(32767), Integer(-32768)}) {
    for (const GateCase& c : kGateCases) {
      SCOPED_TRACE("(" + std::to_string(c.x) + "," + std::to_string(c.y) + ") \"" + c.line +
                   "\", flags " + std::to_string(stray));
      testing::TestGame t;
      Game& game = setUp(t, c);
      for (Flag flag : gateFlags) game.*flag = stray;
      t.enter(c.line);
      EXPECT_EQ(game.gameOver, kFalse);
    }
  }
}

}  // namespace
}  // namespace kvelt
