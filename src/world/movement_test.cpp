// Tests of the ways-out sentence and of the movement step.
#include "world/movement.h"

#include <gtest/gtest.h>

#include "test_support/test_game.h"

namespace kvelt {
namespace {

class MovementTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.start();
    t.game.Text2.clear();
  }
  void at(Integer x, Integer y, std::array<Integer, 4> exits) {
    t.game.posX = x;
    t.game.posY = y;
    t.game.exits = exits;
  }
  void move(const std::string& line) {
    t.game.Text1 = line;
    t.game.lastCommand = line;
    pohyb(t.game);
  }
  testing::TestGame t;
  static constexpr Integer T = kTrue, F = kFalse;
};

TEST_F(MovementTest, WaysOutSentencesJoinAsCzechProse) {
  struct Case {
    std::array<Integer, 4> exits;
    const char* line;
  };
  const Case cases[] = {
      {{F, F, F, F}, "Můžeš jít na"},
      {{F, T, F, F}, "Můžeš jít na jih"},
      {{T, T, F, F}, "Můžeš jít na sever a na jih"},
      {{F, F, T, T}, "Můžeš jít na západ a na východ"},
      {{T, F, T, T}, "Můžeš jít na sever, západ a na východ"},
      {{T, T, T, T}, "Můžeš jít na sever, jih, západ a na východ"},
  };
  for (const Case& c : cases) {
    t.game.Text2 = "X";
    t.game.exits = c.exits;
    strany(t.game);
    EXPECT_EQ(t.game.Text2, std::string("X\r\n") + c.line);
  }
}

TEST_F(MovementTest, OnlyAnOpenWayMovesAndTheLineIsSpentEitherWay) {
  at(3, 6, {T, T, F, F});
  move("s");
  EXPECT_EQ(t.game.posY, 5);
  EXPECT_EQ(t.game.lastCommand, "");
  at(3, 6, {F, T, F, F});
  move("s");
  EXPECT_EQ(t.game.posY, 6);
  at(4, 4, {F, F, T, T});
  move("z");
  EXPECT_EQ(t.game.posX, 3);
  move("v");
  EXPECT_EQ(t.game.posX, 4);
}

TEST_F(MovementTest, OnlyTheExactOneLetterLineIsADirection) {
  at(3, 6, {T, T, T, T});
  for (const char* line : {"S", "sever", " s", "s ", "vezmi olej"}) {
    move(line);
    EXPECT_EQ(t.game.posX, 3);
    EXPECT_EQ(t.game.posY, 6);
    EXPECT_EQ(t.game.lastCommand, "");
  }
}

TEST_F(MovementTest, RopeFromWindowNeedsJammedDevice) {
  at(2, 2, {F, T, F, T});
  t.game.windowRopeTied = kTrue;
  t.game.deviceJammed = kTrue;
  move("j");
  EXPECT_EQ(t.game.posX, 3);
  EXPECT_EQ(t.game.posY, 4);
  EXPECT_EQ(t.game.lastCommand, "j");  // this way down returns before the line is spent
}

TEST_F(MovementTest, RopeFromWindowWithoutJammedDeviceIsFatal) {
  at(2, 2, {F, T, F, T});
  t.game.windowRopeTied = kTrue;
  move("j");
  EXPECT_EQ(t.game.Text2, testing::messageText(144));
  EXPECT_EQ(t.game.gameOver, kTrue);
  EXPECT_EQ(t.game.Text1, "");
  EXPECT_EQ(t.game.posY, 2);
}

TEST_F(MovementTest, NoRopeNoWaySouthFromTheWindowRoom) {
  at(2, 2, {F, F, F, T});
  move("j");
  EXPECT_EQ(t.game.posY, 2);
  EXPECT_EQ(t.game.gameOver, kFalse);
}

}  // namespace
}  // namespace kvelt
