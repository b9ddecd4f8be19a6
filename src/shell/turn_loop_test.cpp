// Tests of the turn loop: the first turn, the exit check and the order of the gates.
#include "shell/turn_loop.h"

#include <gtest/gtest.h>

#include "test_support/test_game.h"

namespace kvelt {
namespace {

using testing::messageText;

class TurnLoopTest : public ::testing::Test {
 protected:
  void SetUp() override { t.startPlaying(); }
  void place(Integer x, Integer y) {
    t.game.posX = x;
    t.game.posY = y;
  }
  std::vector<std::string> page() { return testing::paneLines(t.game.Text2); }
  testing::TestGame t;
};

TEST(TurnLoopStartTest, FirstEnterShowsOnlyTheFirstTurnMessageWhateverIsTyped) {
  testing::TestGame t;
  t.start();
  t.enter("s");
  EXPECT_EQ(t.game.Text2, messageText(174));
  EXPECT_EQ(t.game.posY, 7);
  EXPECT_EQ(t.game.Text1, "");
  t.enter("");
  EXPECT_EQ(testing::paneLines(t.game.Text2).front(), messageText(2) + " Vidíš");
}

TEST_F(TurnLoopTest, KeysOtherThanEnterChangeNothing) {
  std::string before = t.game.Text2;
  t.game.Text1 = "exit";
  Integer key = 'x';
  Text1_KeyPress(t.game, key);
  EXPECT_EQ(key, 'x');
  EXPECT_EQ(t.game.Text2, before);
  EXPECT_FALSE(t.game.windowClosed);
}

TEST_F(TurnLoopTest, ExitRestoresTheScreenAndEndsTheProgram) {
  t.enter("exit");
  EXPECT_TRUE(t.game.windowClosed);
  EXPECT_TRUE(t.window.closed);
  EXPECT_EQ(t.display.width, 1024u);
  EXPECT_EQ(t.display.height, 768u);
}

TEST_F(TurnLoopTest, AnyEnterAfterTheEndLeaves) {
  place(3, 2);
  t.enter("s");
  EXPECT_EQ(t.game.Text2, messageText(148));
  EXPECT_EQ(t.game.gameOver, kTrue);
  t.enter("load 1");
  EXPECT_TRUE(t.game.windowClosed);
}

TEST_F(TurnLoopTest, WinningBeatsTheAlarmAtTheGate) {
  place(3, 6);
  t.game.kveltTaken = kTrue;
  t.game.chandelierCut = kTrue;
  t.enter("j");
  std::vector<std::string> expected;
  for (Integer n : testing::kExpectedEnding) expected.push_back(messageText(n));
  EXPECT_EQ(page(), expected);
  EXPECT_EQ(t.game.gameOver, kTrue);
}

TEST_F(TurnLoopTest, AlarmWithoutTheKveltEndsWithoutMoving) {
  place(3, 6);
  t.game.exits = {kTrue, kTrue, kFalse, kFalse};
  t.game.chandelierCut = kTrue;
  t.enter("j");
  EXPECT_EQ(t.game.Text2, messageText(173));
  EXPECT_EQ(t.game.posY, 6);
  EXPECT_EQ(t.game.gameOver, kTrue);
}

TEST_F(TurnLoopTest, HiddenGuardGateComesBeforeTheDeviceAndTheAlarm) {
  place(3, 4);
  t.enter("j");
  EXPECT_EQ(t.game.Text2, messageText(98));
  testing::TestGame other;
  other.startPlaying();
  other.game.posX = 3;
  other.game.posY = 2;
  other.game.guardKilled = kTrue;
  other.game.chandelierCut = kTrue;
  other.enter("j");
  EXPECT_EQ(other.game.Text2, messageText(98));
}

TEST_F(TurnLoopTest, HiddenGuardGateIgnoresTheWaysOutButNotNorth) {
  place(3, 3);
  t.enter("v");
  EXPECT_EQ(t.game.Text2, messageText(98));
  testing::TestGame other;
  other.startPlaying();
  other.game.posX = 3;
  other.game.posY = 3;
  other.enter("s");
  EXPECT_EQ(other.game.gameOver, kFalse);
}

TEST_F(TurnLoopTest, DeviceGateWhenTheGuardIsHidden) {
  t.game.deadGuardHidden = kTrue;
  place(3, 5);
  t.enter("s");
  EXPECT_EQ(t.game.Text2, messageText(91));
}

TEST_F(TurnLoopTest, CaptainsHallForgivesOnlyTheFightAndTheEmptyLine) {
  for (const char* safe : {"", "save", "load", "použij meč na kapitána"}) {
    testing::TestGame hall;
    hall.startPlaying();
    hall.game.posX = 5;
    hall.game.posY = 2;
    hall.enter(safe);
    EXPECT_EQ(hall.game.gameOver, kFalse) << safe;
  }
  place(5, 2);
  t.enter("z");
  EXPECT_EQ(t.game.Text2, messageText(158));
  EXPECT_EQ(t.game.posX, 5);
}

TEST_F(TurnLoopTest, WalkingInWithoutTheUniformEndsAfterTheMove) {
  place(3, 4);
  t.game.deadGuardHidden = kTrue;
  t.game.deviceJammed = kTrue;
  t.game.exits = {kTrue, kFalse, kTrue, kTrue};
  t.enter("z");
  EXPECT_EQ(t.game.posX, 2);
  EXPECT_EQ(t.game.Text2, messageText(103));
  EXPECT_EQ(t.game.gameOver, kTrue);
}

TEST_F(TurnLoopTest, SouthFromTheStartIsHeldBack) {
  t.enter("j");
  EXPECT_EQ(t.game.posY, 7);
  EXPECT_EQ(page().back(), messageText(34));
}

TEST_F(TurnLoopTest, DoorRuleAnswersTheNextMoveFromTheExitsItLeft) {
  t.enter("");
  t.game.exits[north] = kTrue;  // as opening the door does within a turn
  t.enter("s");
  EXPECT_EQ(t.game.posY, 6);
  EXPECT_EQ(page().front(), messageText(5) + " Vidíš");
}

TEST_F(TurnLoopTest, EveryTurnThatReachesTheEndClearsTheMovedMarker) {
  t.game.itemMovedThisTurn = 1000;
  t.enter("");
  EXPECT_EQ(t.game.itemMovedThisTurn, 0);
}

}  // namespace
}  // namespace kvelt
