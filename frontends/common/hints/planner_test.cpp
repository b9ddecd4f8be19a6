// The planner's plans win, from the opening and from every state along a won game.
#include "common/hints/planner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/hints/plan_platform.h"
#include "shell/session.h"
#include "test_support/winning_game.h"

namespace kvelt {
namespace {

using testing::winningLines;
std::string shippedCatalogue() {
  return testing::shippedDataFile("scripts.tex");
}

class PlannerTest : public ::testing::Test {
 protected:
  PlannerTest() : platform(shippedCatalogue()), planner(shippedCatalogue()) {
    game = platform.copyOf(Game{});
    EXPECT_TRUE(startGame(game, platform.platform()).isOk());
  }
  // Plays the plan on a copy: every line reaches the state the plan foresaw, the last one wins.
  bool planWins(const Game& from, const Plan& plan) {
    Game copy = from;
    for (const PlanStep& step : plan.steps) {
      if (isTrue(copy.gameOver) || !pressEnter(copy, step.line).isOk()) return false;
      if (stateKey(copy) != step.after) return false;
    }
    return isTrue(copy.gameOver) && isTrue(copy.kveltTaken) && copy.posY == 6;
  }
  PlanningPlatform platform;
  Planner planner;
  Game game;
};

TEST_F(PlannerTest, PlansWinFromEveryStateOfTheWonGame) {
  for (const std::string& line : winningLines()) {
    std::optional<Plan> plan = planner.planFrom(game);
    ASSERT_TRUE(plan) << "before " << line;
    EXPECT_EQ(plan->from, stateKey(game));
    EXPECT_TRUE(planWins(game, *plan)) << "before " << line;
    ASSERT_TRUE(pressEnter(game, line).isOk());
  }
  EXPECT_FALSE(planner.planFrom(game)) << "the game is over";
}

}  // namespace
}  // namespace kvelt
